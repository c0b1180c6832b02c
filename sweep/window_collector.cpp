#include "sweep/window_collector.h"

namespace {

// What the enumeration callback needs, handed to it as the enumeration's
// context in a block of the system's local memory. Its size marks it: two
// pointers, 8 bytes in the 32-bit program.
struct CollectorContext {
    HandleList* list;
    const char* filter;
};
static_assert(sizeof(CollectorContext) == 2 * sizeof(void*));

constexpr int ClassNameBufferSize = 50;

bool onEnumWindow(platform::Window window, std::intptr_t context) {
    if (window == 0) return false;
    const Text cls = readClassName(window);
    auto* block = reinterpret_cast<CollectorContext*>(context);
    if (platform::localSize(block) != sizeof(CollectorContext)) return false;

    const Text filter = textFromAddress(block->filter);
    if (textLength(filter) <= 0 || compareTexts(toLowerCase(filter), toLowerCase(cls)) == 0)
        block->list->push_back(static_cast<std::uint32_t>(window));
    return true;
}

}  // namespace

std::int32_t collectWindows(platform::Window parent, HandleList& list, Text& classFilter) {
    // A filter of blanks alone means no filter; otherwise it is kept as
    // given, blanks around a name included (and then matches no class).
    if (textLength(trimBothEnds(classFilter)) <= 0) classFilter = Text();

    auto* block = static_cast<CollectorContext*>(
        platform::localAlloc(platform::LmemZeroInit, sizeof(CollectorContext)));
    if (block == nullptr) return 0;  // nothing enumerated
    block->list = &list;
    block->filter = classFilter.c_str();

    const bool ok =
        platform::enumChildWindows(parent, onEnumWindow, reinterpret_cast<std::intptr_t>(block));
    const auto count = ok ? static_cast<std::int32_t>(list.size()) : 0;
    platform::localFree(block);
    return count;
}

Text readClassName(platform::Window window) {
    // A failed call leaves the blanks, which match no filter.
    Text buffer = blankText(ClassNameBufferSize);
    platform::getClassName(window, buffer.buffer(), ClassNameBufferSize);
    return duplicateText(buffer);
}
