#include "app/layout.h"

namespace layout {
namespace {

using platform::ws::Child;
using platform::ws::ClipSiblings;
using platform::ws::TabStop;

constexpr std::uint32_t labelStyle = Child | ClipSiblings;
constexpr std::uint32_t editStyle = Child | ClipSiblings | TabStop | platform::es::AutoHScroll;
constexpr std::uint32_t centredEditStyle = editStyle | platform::es::Center;
// BS_PUSHBUTTON rather than BS_DEFPUSHBUTTON: the window has no default
// button, so Enter starts nothing.
constexpr std::uint32_t buttonStyle = Child | ClipSiblings | TabStop | platform::bs::PushButton |
                                      platform::bs::Center | platform::bs::VCenter |
                                      platform::bs::Multiline;
// A thin sunken edge instead of a border.
constexpr std::uint32_t editExStyle = platform::ws::ExStaticEdge;

constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind E = ControlKind::Edit;
constexpr ControlKind B = ControlKind::Button;
constexpr Alignment left = Alignment::Left;
constexpr Alignment centre = Alignment::Centre;

}  // namespace

// clang-format off
const std::array<Control, controlCount> controls = {{
    // name      handle                         kind  left  top  width height  text                                       colour alignment style             exStyle      tab filter
    {"标签6",   &MainWindowControls::标签6,   L,    0,    0,   280,  24,     "",                                        red,   centre,   labelStyle,       0,           0,  false},
    {"标签5",   &MainWindowControls::标签5,   L,    16,   117, 248,  19,     "本程序可用于定时关闭和启动程序做监控处理", black, left,     labelStyle,       0,           0,  false},
    {"标签4",   &MainWindowControls::标签4,   L,    8,    136, 280,  16,     "联系方式：请向本工具的维护人员咨询",       red,   left,     labelStyle,       0,           0,  false},
    {"按钮2",   &MainWindowControls::按钮2,   B,    184,  56,  80,   24,     "停止",                                    black, centre,   buttonStyle,      0,           0,  false},
    {"编辑框3", &MainWindowControls::编辑框3, E,    88,   88,  184,  24,     "click.exe",                               black, left,     editStyle,        editExStyle, 0,  false},
    {"标签3",   &MainWindowControls::标签3,   L,    8,    88,  80,   24,     "监控文件名称：",                          black, left,     labelStyle,       0,           0,  false},
    {"编辑框2", &MainWindowControls::编辑框2, E,    88,   56,  80,   24,     "20",                                      black, centre,   centredEditStyle, editExStyle, 0,  true},
    {"标签2",   &MainWindowControls::标签2,   L,    16,   56,  72,   24,     "间隔时间[S]",                             black, left,     labelStyle,       0,           0,  false},
    {"编辑框1", &MainWindowControls::编辑框1, E,    88,   25,  80,   24,     "600",                                     black, centre,   centredEditStyle, editExStyle, 0,  true},
    {"标签1",   &MainWindowControls::标签1,   L,    0,    25,  88,   24,     "监控运行时间[S]",                         black, left,     labelStyle,       0,           0,  false},
    {"按钮1",   &MainWindowControls::按钮1,   B,    184,  25,  80,   24,     "开始",                                    black, centre,   buttonStyle,      0,           0,  false},
}};
// clang-format on

const char* className(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "KorvalisLabel";
        case ControlKind::Edit: return "EDIT";
        case ControlKind::Button: return "BUTTON";
    }
    return "";
}

unsigned labelDrawFormat(Alignment alignment) {
    const unsigned horizontal =
        alignment == Alignment::Centre ? platform::DtCenter : platform::DtLeft;
    return platform::DtNoPrefix | platform::DtSingleLine | platform::DtVCenter | horizontal;
}

int controlId(int storedIndex) {
    // Clear of IDOK, IDCANCEL and the other ids the system gives meaning to.
    constexpr int firstControlId = 1001;
    return firstControlId + storedIndex;
}

Point centredOrigin(int screenWidth, int screenHeight) {
    // Integer division truncates toward zero, also for a screen smaller
    // than the window.
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace layout
