#include "engine/SwitchInput.h"

#include <algorithm>

namespace tavlo {
namespace {

bool IsPress(EventType type) {
  return type == EventType::KeyDown || type == EventType::MouseDown ||
         type == EventType::JoystickButtonDown;
}

bool Matches(const SwitchSource& source, const InputEvent& raw, SwitchScope scope) {
  switch (source.Kind) {
    case SwitchKind::Key:
      return (raw.Type == EventType::KeyDown || raw.Type == EventType::KeyUp) &&
             raw.KeyCode == source.Code;
    case SwitchKind::MouseButton:
      return scope == SwitchScope::Screen &&
             (raw.Type == EventType::MouseDown || raw.Type == EventType::MouseUp) &&
             raw.Button == source.Code;
    case SwitchKind::JoystickButton:
      return (raw.Type == EventType::JoystickButtonDown ||
              raw.Type == EventType::JoystickButtonUp) &&
             raw.Button == source.Code;
  }
  return false;
}

}  // namespace

std::optional<int> SwitchInput::RoleOf(const InputEvent& raw, const AccessSettings& access,
                                       SwitchScope scope) {
  // A source chosen for both switches selects: with one switch, selecting is
  // all it does.
  if (Matches(access.Switch2, raw, scope)) return kSelect;
  if (Matches(access.Switch1, raw, scope)) return kStep;
  return std::nullopt;
}

InputEvent SwitchInput::KeyOf(int role, EventType type, int shift) {
  InputEvent key{type};
  key.KeyCode = role == kSelect ? keys::kEnter : keys::kSpace;
  key.Shift = shift;
  return key;
}

std::optional<InputEvent> SwitchInput::Translate(const InputEvent& raw,
                                                 const AccessSettings& access, SwitchScope scope) {
  const std::optional<int> role = RoleOf(raw, access, scope);
  if (role) return KeyOf(*role, IsPress(raw.Type) ? EventType::KeyDown : EventType::KeyUp, 0);
  if (raw.Type == EventType::JoystickButtonDown || raw.Type == EventType::JoystickButtonUp) {
    return std::nullopt;
  }
  return raw;
}

std::optional<InputEvent> SwitchInput::Take(const InputEvent& raw, const AccessSettings& access,
                                            std::int64_t now, SwitchScope scope) {
  const std::optional<int> role = RoleOf(raw, access, scope);
  if (!role) {
    if (raw.Type == EventType::JoystickButtonDown || raw.Type == EventType::JoystickButtonUp) {
      return std::nullopt;
    }
    return raw;
  }
  SwitchState& state = switches_[static_cast<std::size_t>(*role)];
  // Keys keep their shift state, as the keyboard gave it.
  const int shift =
      raw.Type == EventType::KeyDown || raw.Type == EventType::KeyUp ? raw.Shift : 0;
  if (IsPress(raw.Type)) {
    // The platform drops the keyboard's repeats, so a second press without a
    // release between means the release was lost (the window lost the focus
    // meanwhile): the press is a new one, or the switch would stay stuck.
    state.Since = now;
    if (access.AcceptMilliseconds <= 0) {
      state.State = Held::Counted;
      return KeyOf(*role, EventType::KeyDown, shift);
    }
    state.State = Held::Waiting;
    return std::nullopt;
  }
  const bool counted = state.State == Held::Counted;
  state.State = Held::No;
  if (!counted) return std::nullopt;
  return KeyOf(*role, EventType::KeyUp, shift);
}

std::optional<InputEvent> SwitchInput::TakeDue(const AccessSettings& access, std::int64_t now) {
  for (int role : {kStep, kSelect}) {
    SwitchState& state = switches_[static_cast<std::size_t>(role)];
    if (state.State == Held::Waiting && now - state.Since >= access.AcceptMilliseconds) {
      state.State = Held::Counted;
      return KeyOf(role, EventType::KeyDown, 0);
    }
  }
  return std::nullopt;
}

std::int64_t SwitchInput::MillisecondsToDue(const AccessSettings& access, std::int64_t now) const {
  std::int64_t soonest = -1;
  for (const SwitchState& state : switches_) {
    if (state.State != Held::Waiting) continue;
    const std::int64_t due = std::max<std::int64_t>(state.Since + access.AcceptMilliseconds - now, 0);
    if (soonest < 0 || due < soonest) soonest = due;
  }
  return soonest;
}

void SwitchInput::Busy() {
  for (SwitchState& state : switches_) {
    if (state.State == Held::Waiting) state.State = Held::Spent;
  }
}

void SwitchInput::Drop(const InputEvent& raw, const AccessSettings& access) {
  const std::optional<int> role = RoleOf(raw, access, SwitchScope::Screen);
  if (!role) return;
  SwitchState& state = switches_[static_cast<std::size_t>(*role)];
  state.State = IsPress(raw.Type) ? Held::Spent : Held::No;
}

}  // namespace tavlo
