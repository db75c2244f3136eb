#include "engine/Form.h"

#include "engine/Application.h"

namespace tavlo {

Form::Form(Application& app)
    : app_(app), picture_(Surface::Create(kWidth, kHeight)), canvas_(picture_, app.Fonts()) {}

Form::~Form() { app_.Forget(*this); }

void Form::Refresh() { app_.Present(*this); }

void Form::Unload() { app_.Unload(*this); }

}  // namespace tavlo
