#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace tavlo {

class SdlImGuiHost;

// A modal message box drawn with Dear ImGui over the program's picture. It is
// answered with the mouse, or with keys alone the way switches work: Space,
// Tab and the arrows move the highlight between the buttons, Enter chooses
// the highlighted one, Escape chooses No (or OK).
class SdlMessageBox {
 public:
  explicit SdlMessageBox(SdlImGuiHost& host) : host_(host) {}

  // draw_background draws the picture behind the box on the renderer.
  MessageAnswer Run(const std::string& text, const std::string& title, MessageButtons buttons,
                    MessageIcon icon, const MessageButtonWords& words,
                    const std::function<void()>& draw_background);

 private:
  SdlImGuiHost& host_;
};

}  // namespace tavlo
