#include <gtest/gtest.h>

#include "sweep/window_collector.h"

namespace {

// A handle kept in the 32-bit list must come back as the handle the system
// gave, at either pointer width: 64-bit Windows widens 32-bit handles with
// their sign.
TEST(HandleList, EntriesComeBackAsTheSystemsHandles)
{
    EXPECT_EQ(listedWindow(0x00010010u), platform::Window{0x00010010u});
    EXPECT_EQ(listedWindow(0x7FFFFFFEu), platform::Window{0x7FFFFFFEu});
    const platform::Window high = listedWindow(0xFFFF1234u);
    if constexpr (sizeof(platform::Window) == 8)
        EXPECT_EQ(static_cast<std::uint64_t>(high), 0xFFFFFFFFFFFF1234u);
    else
        EXPECT_EQ(static_cast<std::uint64_t>(high), 0xFFFF1234u);
}

}  // namespace
