#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/keyboard.h"
#include "app/layout.h"
#include "app/program_directory.h"
#include "app/tab_order.h"

namespace {

using layout::ControlKind;

const layout::Control& control(const std::string& name) {
    for (const layout::Control& entry : layout::controls)
        if (name == entry.name) return entry;
    ADD_FAILURE() << "no control named " << name;
    return layout::controls[0];
}

std::vector<std::string> namesOf(const std::vector<int>& storedIndices) {
    std::vector<std::string> names;
    for (int index : storedIndices) names.emplace_back(layout::controls[index].name);
    return names;
}

bool overlap(const layout::Control& a, const layout::Control& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(Layout, ControlsAreStoredTopmostFirst) {
    std::vector<std::string> names;
    for (const layout::Control& entry : layout::controls) names.emplace_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"标签6", "标签5", "标签4", "按钮2", "编辑框3", "标签3", "编辑框2",
                                               "标签2", "编辑框1", "标签1", "按钮1"}));
}

TEST(Layout, EachControlFillsItsOwnHandle) {
    for (int a = 0; a < layout::controlCount; ++a) {
        EXPECT_NE(layout::controls[a].handle, &MainWindowControls::window) << layout::controls[a].name;
        for (int b = a + 1; b < layout::controlCount; ++b)
            EXPECT_NE(layout::controls[a].handle, layout::controls[b].handle)
                << layout::controls[a].name << " and " << layout::controls[b].name;
    }
}

TEST(Layout, NoTwoControlsOverlap) {
    for (int a = 0; a < layout::controlCount; ++a)
        for (int b = a + 1; b < layout::controlCount; ++b)
            EXPECT_FALSE(overlap(layout::controls[a], layout::controls[b]))
                << layout::controls[a].name << " and " << layout::controls[b].name;
}

TEST(Layout, StylesFollowTheKindOfControl) {
    const std::uint32_t common = platform::ws::Child | platform::ws::ClipSiblings;
    for (const layout::Control& entry : layout::controls) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.style & common, common);
        EXPECT_EQ(entry.style & platform::ws::Visible, 0u) << "controls are created hidden";
        EXPECT_EQ(entry.tabPosition, 0);
        const bool tabStop = (entry.style & platform::ws::TabStop) != 0;
        EXPECT_EQ(tabStop, entry.kind != ControlKind::Label);
        EXPECT_EQ(entry.exStyle, entry.kind == ControlKind::Edit ? platform::ws::ExStaticEdge : 0u);
    }
    const std::uint32_t button = platform::bs::Center | platform::bs::VCenter | platform::bs::Multiline;
    EXPECT_EQ(control("按钮1").style & button, button);
    EXPECT_EQ(control("按钮2").style & button, button);
}

TEST(Layout, OnlyTheNumberBoxesAreCentredAndFiltered) {
    struct Case {
        const char* name;
        bool centred;
    };
    for (const Case& c : {Case{"编辑框1", true}, Case{"编辑框2", true}, Case{"编辑框3", false}}) {
        SCOPED_TRACE(c.name);
        const layout::Control& box = control(c.name);
        EXPECT_EQ(box.kind, ControlKind::Edit);
        EXPECT_EQ((box.style & platform::es::Center) != 0, c.centred);
        EXPECT_EQ(box.filtersTyping, c.centred);
        EXPECT_NE(box.style & platform::es::AutoHScroll, 0u);
    }
}

TEST(Layout, LabelsDrawInTheirOwnColourAndAlignment) {
    struct Case {
        const char* name;
        platform::Colour colour;
        unsigned format;
    };
    const unsigned oneLine = platform::DtNoPrefix | platform::DtSingleLine | platform::DtVCenter;
    const Case cases[] = {
        {"标签6", layout::red, oneLine | platform::DtCenter},
        {"标签5", layout::black, oneLine | platform::DtLeft},
        {"标签4", layout::red, oneLine | platform::DtLeft},
        {"标签3", layout::black, oneLine | platform::DtLeft},
        {"标签2", layout::black, oneLine | platform::DtLeft},
        {"标签1", layout::black, oneLine | platform::DtLeft},
    };
    EXPECT_EQ(layout::red, 0x0000FFu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const layout::Control& label = control(c.name);
        EXPECT_EQ(label.kind, ControlKind::Label);
        EXPECT_EQ(label.textColour, c.colour);
        EXPECT_EQ(layout::labelDrawFormat(label.alignment), c.format);
    }
}

TEST(Layout, TextsAreStoredAsGbkBytes) {
    EXPECT_STREQ(layout::windowTitle, "Korvalis\xB3\xCC\xD0\xF2\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xCF\xB5\xCD\xB3");
    EXPECT_STREQ(control("按钮1").text, "\xBF\xAA\xCA\xBC");
    EXPECT_STREQ(control("按钮2").text, "\xCD\xA3\xD6\xB9");
    EXPECT_STREQ(control("标签3").text, "\xBC\xE0\xBF\xD8\xCE\xC4\xBC\xFE\xC3\xFB\xB3\xC6\xA3\xBA");
    EXPECT_STREQ(control("编辑框1").text, "600");
    EXPECT_STREQ(control("编辑框2").text, "20");
    EXPECT_STREQ(control("编辑框3").text, "click.exe");
    EXPECT_STREQ(control("标签6").text, "");
}

TEST(Layout, ContactLineFitsOnItsLabel) {
    // The default GUI font draws a two-byte character about 12 pixels wide.
    const std::string contact = control("标签4").text;
    EXPECT_FALSE(contact.empty());
    EXPECT_EQ(contact.find_first_of("\r\n"), std::string::npos);
    EXPECT_LE(static_cast<int>(contact.size()) / 2 * 12, control("标签4").width);
}

TEST(Layout, FrameCannotBeResizedOrMaximized) {
    constexpr std::uint32_t thickFrame = 0x00040000;
    constexpr std::uint32_t maximizeBox = 0x00010000;
    EXPECT_EQ(layout::windowStyle & (thickFrame | maximizeBox | platform::ws::Visible), 0u);
    EXPECT_EQ(layout::windowWidth, 286);
    EXPECT_EQ(layout::windowHeight, 183);
}

TEST(Layout, WindowIsCentredWithTruncationTowardZero) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    const Case cases[] = {
        {800, 600, 257, 208},
        {1024, 768, 369, 292},
        {801, 601, 257, 209},  // odd remainders are dropped
        {287, 184, 0, 0},
        {285, 182, 0, 0},      // -1 / 2 is 0, not -1
        {200, 100, -43, -41},  // -86 / 2 and -83 / 2
    };
    for (const Case& c : cases) {
        const layout::Point origin = layout::centredOrigin(c.screenWidth, c.screenHeight);
        EXPECT_EQ(origin.x, c.left) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(origin.y, c.top) << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST(TabOrder, EqualPositionsGoFromLastStoredToFirst) {
    EXPECT_EQ(namesOf(tabOrder::order(layout::controls)),
              (std::vector<std::string>{"按钮1", "编辑框1", "编辑框2", "编辑框3", "按钮2"}));
}

TEST(TabOrder, LowerPositionComesFirstWhateverTheStoredOrder) {
    const auto stop = [](const char* name, int tabPosition, bool tabStop) {
        layout::Control entry = layout::controls[0];
        entry.name = name;
        entry.style = tabStop ? platform::ws::Child | platform::ws::TabStop : platform::ws::Child;
        entry.tabPosition = tabPosition;
        return entry;
    };
    const layout::Control controls[] = {stop("a", 1, true), stop("label", 0, false), stop("c", 0, true),
                                        stop("d", 0, true)};
    EXPECT_EQ(tabOrder::order(controls), (std::vector<int>{3, 2, 0}));
}

TEST(TabOrder, StepsSkipControlsThatCannotTakeTheFocus) {
    using tabOrder::Direction;
    struct Case {
        int from;
        Direction direction;
        std::vector<bool> usable;
        int to;
    };
    const std::vector<bool> all(5, true);
    const Case cases[] = {
        {0, Direction::Forward, all, 1},
        {4, Direction::Forward, all, 0},  // from the last back to the first
        {0, Direction::Backward, all, 4},
        {3, Direction::Backward, all, 2},
        {1, Direction::Forward, {true, true, false, true, true}, 3},
        {3, Direction::Backward, {true, true, false, true, true}, 1},
        {4, Direction::Forward, {false, true, true, true, true}, 1},
        {2, Direction::Forward, {false, false, true, false, false}, 2},  // nowhere else to go
    };
    for (const Case& c : cases) {
        const int to = tabOrder::step(5, c.from, c.direction, [&](int position) { return c.usable[position]; });
        EXPECT_EQ(to, c.to) << "from " << c.from;
    }
}

TEST(TabOrder, FirstUsablePositionGetsTheFocus) {
    EXPECT_EQ(tabOrder::firstUsable(3, [](int) { return true; }), 0);
    EXPECT_EQ(tabOrder::firstUsable(3, [](int position) { return position == 2; }), 2);
    EXPECT_EQ(tabOrder::firstUsable(3, [](int) { return false; }), -1);
}

TEST(Keyboard, OnlyPlainTabShiftTabAndPlainEscAreTheWindowsOwn) {
    using keyboard::KeyAction;
    struct Case {
        const char* what;
        int key;
        keyboard::Modifiers held;
        KeyAction action;
    };
    const Case cases[] = {
        {"Tab", platform::VkTab, {}, KeyAction::FocusNext},
        {"Shift+Tab", platform::VkTab, {.shift = true}, KeyAction::FocusPrevious},
        {"Ctrl+Tab", platform::VkTab, {.ctrl = true}, KeyAction::None},
        {"Alt+Tab", platform::VkTab, {.alt = true}, KeyAction::None},
        {"Ctrl+Shift+Tab", platform::VkTab, {.ctrl = true, .shift = true}, KeyAction::None},
        {"Esc", platform::VkEscape, {}, KeyAction::CloseWindow},
        {"Shift+Esc", platform::VkEscape, {.shift = true}, KeyAction::None},
        {"Ctrl+Esc", platform::VkEscape, {.ctrl = true}, KeyAction::None},
        {"Alt+Esc", platform::VkEscape, {.alt = true}, KeyAction::None},
        {"Enter", platform::VkReturn, {}, KeyAction::None},
        {"F1", platform::VkF1, {}, KeyAction::None},
        {"Space", platform::VkSpace, {}, KeyAction::None},
    };
    for (const Case& c : cases) EXPECT_EQ(keyboard::actionFor(c.key, c.held), c.action) << c.what;
}

TEST(Keyboard, NumberBoxesTakeControlCharactersMinusAndDigits) {
    struct Case {
        platform::WParam code;
        bool accepted;
    };
    const Case cases[] = {
        {0x08, true},  // Backspace
        {0x03, true},  // Ctrl+C
        {0x16, true},  // Ctrl+V
        {0x18, true},  // Ctrl+X
        {0x1A, true},  // Ctrl+Z
        {0x00, true},  {0x1F, true}, {'-', true}, {'0', true},  {'5', true},  {'9', true},
        {' ', false},  {'/', false}, {':', false}, {'+', false}, {'.', false}, {'a', false},
        {0x7F, false}, {0x80, false}, {0xB0, false}, {0xFF, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyboard::acceptsTypedCharacter(c.code), c.accepted) << "code " << c.code;
}

bool gbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool noLeadByte(unsigned char) { return false; }

TEST(ProgramDirectory, CutBeforeTheLastBackslashThatIsACharacter) {
    struct Case {
        const char* path;
        LeadByteTest isLeadByte;
        const char* directory;
    };
    const Case cases[] = {
        {"C:\\tools\\korvalis\\tool.exe", gbkLeadByte, "C:\\tools\\korvalis"},
        {"C:\\tool.exe", gbkLeadByte, "C:\\"},  // "C:" alone would be the drive's current directory
        {"\\tool.exe", gbkLeadByte, "\\"},
        {"\\\\server\\share\\tool.exe", gbkLeadByte, "\\\\server\\share"},
        // A folder name ending in a two-byte character whose second byte is 0x5C.
        {"C:\\\xB1\x5C\\tool.exe", gbkLeadByte, "C:\\\xB1\x5C"},
        {"C:\\\xB1\x5Ctool.exe", gbkLeadByte, "C:\\"},
        // Under a single-byte code page the same bytes are two characters,
        // and an accented letter before a backslash takes nothing with it.
        {"C:\\\xB1\x5Ctool.exe", noLeadByte, "C:\\\xB1"},
        {"C:\\Caf\xE9\\tool.exe", noLeadByte, "C:\\Caf\xE9"},
        {"tool.exe", gbkLeadByte, ""},
        {"", gbkLeadByte, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(programDirectory(Text(c.path), c.isLeadByte).c_str(), c.directory) << c.path;
}

}  // namespace
