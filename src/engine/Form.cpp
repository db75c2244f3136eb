#include "engine/Form.h"

#include "engine/Application.h"

namespace tavlo {

Form::Form(Application& app) : app_(app), canvas_(picture_, app.Fonts()) {}

void Form::MakePicture() {
  if (picture_.Empty()) picture_ = Surface::Create(kWidth, kHeight);
}

Form::~Form() { app_.Forget(*this); }

void Form::Refresh() { app_.Present(*this); }

void Form::Unload() { app_.Unload(*this); }

}  // namespace tavlo
