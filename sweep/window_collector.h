// Listing windows by class.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "support/text.h"

// Window handles carry 32 significant bits on every Windows, so a list of
// 32-bit values holds them all.
using HandleList = std::vector<std::uint32_t>;

// A listed handle as a window handle again. A 64-bit program widens the
// 32-bit value with its sign, as Windows does for handles shared between
// 32-bit and 64-bit processes.
inline platform::Window listedWindow(std::uint32_t entry) {
    return static_cast<platform::Window>(
        static_cast<std::intptr_t>(static_cast<std::int32_t>(entry)));
}

// Appends to list every window below parent (0: every top-level window)
// whose class name equals classFilter, ignoring the case of A-Z; an empty
// or blank filter takes every window. classFilter is normalised in place.
// The entry count of list afterwards, or 0 when the enumeration failed.
std::int32_t collectWindows(platform::Window parent, HandleList& list, Text& classFilter);

// The window's class name as far as 49 bytes of it.
Text readClassName(platform::Window window);
