#include "app/main_window_build.h"

#include "app/keyboard.h"
#include "app/label.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/main_window_proc.h"

namespace {

using platform::Window;

constexpr const char* mainWindowClassName = "KorvalisMainWindow";
constexpr const char* iconResourceName = "DEFAULT_ICON";

bool registerClasses() {
    // The labels paint their whole area themselves, so their class has no
    // background brush to erase it with first.
    return platform::registerWindowClass(
               {mainWindowClassName, mainWindowProc, platform::ColorBtnFace}) &&
           platform::registerWindowClass(
               {layout::className(layout::ControlKind::Label), labelProc, -1});
}

// Hidden, at the centre of the primary screen.
Window createFrame() {
    const layout::Point origin =
        layout::centredOrigin(platform::getSystemMetrics(platform::SmCxScreen),
                              platform::getSystemMetrics(platform::SmCyScreen));
    platform::WindowSpec spec;
    spec.exStyle = layout::windowExStyle;
    spec.className = mainWindowClassName;
    spec.text = layout::windowTitle;
    spec.style = layout::windowStyle;
    spec.x = origin.x;
    spec.y = origin.y;
    spec.width = layout::windowWidth;
    spec.height = layout::windowHeight;
    const Window window = platform::createWindow(spec);
    if (window == 0) return 0;
    // Creation may adjust the size to the system's minimum; the layout's
    // outer size holds.
    if (!platform::moveWindow(window, origin.x, origin.y, spec.width, spec.height, false)) {
        // The window keeps the size it was created with and works all the same.
    }
    return window;
}

void setIcons(Window window) {
    const struct {
        int size;
        platform::WParam which;
    } icons[] = {{32, platform::IconBig}, {16, platform::IconSmall}};
    // Without the resource the system's default icon shows.
    for (const auto& icon : icons) {
        const platform::Handle loaded = platform::loadIconResource(iconResourceName, icon.size);
        if (loaded != 0)
            platform::sendMessage(window, platform::wm::SetIcon, icon.which,
                                  static_cast<platform::LParam>(loaded));
    }
}

void setFont(Window window, platform::Handle font) {
    if (font != 0) platform::sendMessage(window, platform::wm::SetFont, font, 0);
}

void prepareEditBox(Window edit, bool filtersTyping) {
    // 0 lifts the box's own limit to the system maximum.
    platform::sendMessage(edit, platform::em::LimitText, 0, 0);
    // Caret before the first character, nothing selected.
    platform::sendMessage(edit, platform::em::SetSel, 0, 0);
    platform::sendMessage(edit, platform::em::ScrollCaret, 0, 0);
    if (filtersTyping && !platform::setCharFilter(edit, keyboard::acceptsTypedCharacter)) {
        // The box then takes every character. The settings are read
        // leniently (leading digits only), so the tool carries on.
    }
}

Window createControl(int storedIndex, Window parent, platform::Handle font) {
    const layout::Control& control = layout::controls[storedIndex];
    platform::WindowSpec spec;
    spec.exStyle = control.exStyle;
    spec.className = layout::className(control.kind);
    spec.text = control.text;
    spec.style = control.style;
    spec.x = control.left;
    spec.y = control.top;
    spec.width = control.width;
    spec.height = control.height;
    spec.parent = parent;
    spec.id = layout::controlId(storedIndex);
    const Window window = platform::createWindow(spec);
    if (window == 0) return 0;
    mainWindow.*control.handle = window;
    setFont(window, font);
    if (control.kind == layout::ControlKind::Edit) prepareEditBox(window, control.filtersTyping);
    return window;
}

// Created hidden in stored order, which stacks them in that order, then
// shown without activation while the window itself stays hidden.
bool createControls(Window parent, platform::Handle font) {
    for (int index = 0; index < layout::controlCount; ++index)
        if (createControl(index, parent, font) == 0) return false;
    for (const layout::Control& control : layout::controls)
        platform::showWindow(mainWindow.*control.handle, platform::SwShowNA);
    return true;
}

}  // namespace

bool buildMainWindow() {
    setEventsMuted(true);
    if (!registerClasses()) return false;
    mainWindow.window = createFrame();
    if (mainWindow.window == 0) return false;
    setIcons(mainWindow.window);
    // Without the stock font the system font stays.
    const platform::Handle font = platform::getStockObject(platform::StockDefaultGuiFont);
    setFont(mainWindow.window, font);
    if (!createControls(mainWindow.window, font)) return false;
    setEventsMuted(false);
    return true;
}

void destroyMainWindowQuietly() {
    setEventsMuted(true);
    // When the program ends from inside the window's destruction, the
    // window is already going; destroying it again would be a second,
    // nested destruction.
    if (mainWindow.window != 0 && !mainWindowDestructionStarted() &&
        platform::isWindow(mainWindow.window))
        platform::destroyWindow(mainWindow.window);
    mainWindow = MainWindowControls{};
}
