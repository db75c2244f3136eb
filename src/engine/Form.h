#pragma once

#include <string>

#include "engine/Canvas.h"
#include "platform/Surface.h"

namespace tavlo {

class Application;

// One screen: an 800 x 600 picture with a canvas to draw on, and handlers named
// after the events the application delivers. A form is loaded when shown and
// can be unloaded and shown (loaded) again.
class Form {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  explicit Form(Application& app);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_GotFocus() {}
  virtual void Form_KeyDown(int /*key_code*/, int /*shift*/) {}
  virtual void Form_KeyUp(int /*key_code*/, int /*shift*/) {}
  // Characters typed (UTF-8), in the letters of the keyboard's layout, upper
  // or lower case as the user typed them.
  virtual void Form_KeyPress(const std::string& /*characters*/) {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  // The window's close box: a form that must end in its own order overrides this.
  virtual void Form_CloseRequested() { Unload(); }

  // Shows the picture in the window when this form is the one on screen.
  void Refresh();
  void Unload();
  bool IsLoaded() const { return loaded_; }

  Application& App() { return app_; }
  Canvas& Graphics() {
    MakePicture();
    return canvas_;
  }
  Surface& Picture() {
    MakePicture();
    return picture_;
  }

  // The window title while this form is on screen.
  std::string Caption;

 private:
  friend class Application;

  // The picture is made when the form is first drawn on or shown: most of
  // the program's forms are never shown in a run, and making all of them
  // with the program (10 MB of pixels written) cost its start about 5 ms.
  void MakePicture();

  Application& app_;
  Surface picture_;
  Canvas canvas_;
  bool loaded_ = false;
};

}  // namespace tavlo
