#pragma once

#include <span>

#include "engine/Drawing.h"

namespace tavlo {

class SpriteClass;

// Where things stand at the start of a round of Game 15, the steering game:
// the animal in the middle of the play field, facing right, and the four word
// labels one in each quarter of the field.
namespace game15 {

// The play field lies under the top bar, which holds the round's pictures.
inline constexpr int kFieldTop = 100;
inline constexpr int kFieldWidth = 800;
inline constexpr int kFieldBottom = 600;

// The animal's right edge on the middle of the field, its middle on y = 300.
void PlaceAnimal(SpriteClass& animal);

// The space the animal runs into first: its own box grown by 20 pixels on
// every side and reaching 200 pixels ahead of it to the right.
Rect RunInSpace(const SpriteClass& animal);

// Puts label i (of four) at a random place in quarter i of the field (left
// top, right top, left bottom, right bottom) where it overlaps neither a label
// placed before it nor keep_clear. Only where no such place exists (a label too
// big for its quarter) does it overlap; it never leaves the screen unless it
// is bigger than the field.
void PlaceLabels(std::span<SpriteClass> labels, const Rect& keep_clear);

}  // namespace game15
}  // namespace tavlo
