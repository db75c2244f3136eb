#include "app/GameForms.h"

namespace tavlo {

void GameForms::Register(int index, Factory factory) {
  if (index < 0 || index >= kGameCount) return;
  factories_[static_cast<size_t>(index)] = std::move(factory);
}

Form* GameForms::Get(int index) {
  if (index < 0 || index >= kGameCount) return nullptr;
  auto& form = forms_[static_cast<size_t>(index)];
  const auto& factory = factories_[static_cast<size_t>(index)];
  if (!form && factory) form = factory();
  return form.get();
}

}  // namespace tavlo
