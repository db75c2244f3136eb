#include "games/BusyPointer.h"

#include "platform/Platform.h"

namespace tavlo {

BusyPointer::BusyPointer(Platform& platform) : platform_(platform) {
  platform_.SetCursor(CursorShape::Hourglass);
}

BusyPointer::~BusyPointer() { platform_.SetCursor(CursorShape::Arrow); }

}  // namespace tavlo
