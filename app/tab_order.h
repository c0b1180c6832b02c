// Which control the keyboard focus visits next: pure decisions over the
// layout, so that they can be checked without a window.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "app/layout.h"

namespace tabOrder {

// Stored indices of the tab-stop controls in the order Tab visits them:
// by tab position, and among equal positions the control stored last first.
std::vector<int> order(std::span<const layout::Control> controls);

// Whether the control at a position of the order can take the focus now
// (visible and enabled).
using Usable = std::function<bool(int position)>;

enum class Direction { Forward, Backward };

// The position the focus moves to from `from` (a position of an order of
// `count` controls), wrapping around and skipping
// positions that are not usable; `from` itself when no other one is.
int step(int count, int from, Direction direction, const Usable& usable);

// The first usable position, or -1 when there is none.
int firstUsable(int count, const Usable& usable);

}  // namespace tabOrder
