#pragma once

#include <string>

#include "platform/Surface.h"

namespace tavlo {

class Application;

// What every dialog shows around its own controls: the title with the tool
// icon, and the pictures of the OK and Cancel buttons.
struct DialogChrome {
  std::string Title;
  Surface Icon;
  Surface OkPicture;
  Surface CancelPicture;
};

// The tool icon and the button pictures from the program folder, with the
// title. A picture that cannot be read stays empty, and its button shows
// text instead.
DialogChrome LoadDialogChrome(Application& app, std::string title);

}  // namespace tavlo
