// The fixed layout of MainWindow: its frame and its eleven controls, as
// data that the building code walks and the tests read.
#pragma once

#include <array>
#include <cstdint>

#include "app/main_window.h"
#include "platform/platform.h"

namespace layout {

constexpr const char* windowTitle = "Korvalis程序定时重启系统";
// Outer size, caption and frame included; control positions are client
// coordinates and are not adjusted for the frame.
constexpr int windowWidth = 286;
constexpr int windowHeight = 183;
// A fixed frame: no maximize box and no sizing border.
constexpr std::uint32_t windowStyle = platform::ws::Overlapped | platform::ws::Caption |
                                      platform::ws::SysMenu | platform::ws::MinimizeBox |
                                      platform::ws::ClipChildren;
constexpr std::uint32_t windowExStyle = 0;

enum class ControlKind { Label, Edit, Button };

// Where a label draws its caption; edit boxes and buttons align their text
// through their style bits and never consult this.
enum class Alignment { Left, Centre };

constexpr platform::Colour red = platform::rgb(255, 0, 0);
constexpr platform::Colour black = platform::rgb(0, 0, 0);

struct Control {
    const char* name;  // the stored name, as GBK bytes
    platform::Window MainWindowControls::*handle;
    ControlKind kind;
    int left, top, width, height;
    const char* text;
    platform::Colour textColour;  // labels only
    Alignment alignment;
    std::uint32_t style;  // WS_TABSTOP among them marks a tab stop
    std::uint32_t exStyle;
    int tabPosition;     // ties go to the control stored last
    bool filtersTyping;  // digits and minus only, on typed characters
};

constexpr int controlCount = 11;

// In stored order, which is also the z-order among siblings: the first
// entry is topmost.
extern const std::array<Control, controlCount> controls;

const char* className(ControlKind kind);

// DrawText format of a label's caption: one line, centred vertically, an
// ampersand drawn as itself, cut off at the edges when too long.
unsigned labelDrawFormat(Alignment alignment);

// Child ids, unique among the window's children.
int controlId(int storedIndex);

struct Point {
    int x, y;
};
// Top-left corner that centres the window's outer rectangle on a screen of
// the given size, each coordinate truncated toward zero.
Point centredOrigin(int screenWidth, int screenHeight);

}  // namespace layout
