#pragma once

namespace tavlo {

class Application;
class Form;
class MediaControl;
struct ProgramState;

// What every game screen is made with: the application it runs in, the
// program's shared state, the media player to silence when it leaves, and the
// main menu it returns to.
struct GameContext {
  Application& App;
  ProgramState& State;
  MediaControl& Media;
  Form& MainMenu;
};

}  // namespace tavlo
