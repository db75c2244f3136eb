#include "profiles/DialogChrome.h"

#include "engine/Application.h"

namespace tavlo {

DialogChrome LoadDialogChrome(Application& app, std::string title) {
  DialogChrome chrome;
  chrome.Title = std::move(title);
  chrome.Icon = Surface::Load(app.ResourcePath("gfx\\icons\\tool.ico"));
  chrome.OkPicture = Surface::Load(app.ResourcePath("gfx\\dialog\\okbtn.gif"));
  chrome.CancelPicture = Surface::Load(app.ResourcePath("gfx\\dialog\\stopbtn.gif"));
  return chrome;
}

}  // namespace tavlo
