#pragma once

#include <array>
#include <functional>
#include <memory>

#include "engine/Form.h"

namespace tavlo {

// The fifteen game screens, each made on first use and kept for the run, so
// that showing a game again reuses its form.
class GameForms {
 public:
  static constexpr int kGameCount = 15;
  using Factory = std::function<std::unique_ptr<Form>()>;

  // How to make game index + 1's form.
  void Register(int index, Factory factory);
  // The form of game index + 1; null for an index outside 0 to 14 and for a
  // game that has no form.
  Form* Get(int index);

 private:
  std::array<Factory, kGameCount> factories_;
  std::array<std::unique_ptr<Form>, kGameCount> forms_;
};

}  // namespace tavlo
