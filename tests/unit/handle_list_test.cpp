#include <gtest/gtest.h>

#include "sweep/window_collector.h"

namespace {

// A handle kept in the 32-bit list must come back as the handle the system
// gave, at either pointer width: 64-bit Windows widens 32-bit handles with
// their sign.
TEST(HandleList, EntriesComeBackAsTheSystemsHandles)
{
    const auto widened = [](std::int32_t value) {
        return static_cast<platform::Window>(static_cast<std::intptr_t>(value));
    };
    EXPECT_EQ(listedWindow(0x00010010u), widened(0x00010010));
    EXPECT_EQ(listedWindow(0x7FFFFFFEu), widened(0x7FFFFFFE));
    EXPECT_EQ(listedWindow(0xFFFF1234u), widened(static_cast<std::int32_t>(0xFFFF1234u)));
    const platform::Window high = listedWindow(0xFFFF1234u);
    EXPECT_EQ(static_cast<std::uint32_t>(high), 0xFFFF1234u);
}

}  // namespace
