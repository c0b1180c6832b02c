// Painting with recorded device contexts: what a window draws is kept on
// the window (WindowState::paint) for the tests to read, together with the
// colours, background mode and font in effect. Also the stock objects,
// icons and screen metrics.
#include "platform/sim/world.h"

#include <cstring>

namespace sim {

namespace {

constexpr Handle StockBase = 0x00190000;
constexpr int StockCount = 20;
constexpr int StockSystemFont = 13;
constexpr int LineHeight = 13;

enum class GdiKind { Brush, Font, Other };

GdiKind stockKind(int index) {
    if ((index >= 0 && index <= 5) || index == 18) return GdiKind::Brush;
    if ((index >= 10 && index <= 14) || index == 16 || index == 17) return GdiKind::Font;
    return GdiKind::Other;
}

GdiKind kindOf(Handle object) {
    if (object < StockBase || object >= StockBase + StockCount) return GdiKind::Other;
    return stockKind(static_cast<int>(object - StockBase));
}

DeviceContextState* findContext(World& w, platform::DeviceContext dc) {
    const auto found = w.deviceContexts.find(dc);
    return found == w.deviceContexts.end() ? nullptr : &found->second;
}

// The paint record of the window a recording context draws on.
PaintRecord* recordFor(World& w, const DeviceContextState& context) {
    WindowState* s = context.recording ? findWindow(w, context.window) : nullptr;
    return s == nullptr ? nullptr : &s->paint;
}

bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

unsigned controlTextFormat(const WindowState& s) {
    using namespace platform;
    if (s.kind == WindowKind::Button) return DtCenter | DtVCenter | DtSingleLine;
    const unsigned alignment = (s.style & es::Center) != 0 ? DtCenter : DtLeft;
    return alignment | DtVCenter | DtSingleLine | DtNoPrefix;
}

// An edit asks its parent for its colours (WM_CTLCOLOREDIT) before it draws.
void drawControl(Window window, platform::DeviceContext dc, const Rect& area) {
    if (isEmpty(area)) return;
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s->kind == WindowKind::Edit && s->parent != 0) {
        const LResult brush =
            deliver(w, s->parent, platform::wm::CtlColorEdit, dc, static_cast<LParam>(window));
        s = findWindow(w, window);
        if (s == nullptr) return;
        s->paint.colourBrush = static_cast<Handle>(brush);
    }
    const std::string text = s->text;
    if (s->font != 0) platform::selectObject(dc, s->font);
    platform::drawText(dc, text.c_str(), clientRect(*s), controlTextFormat(*s));
}

}  // namespace

void paintControl(Window window) { platform::paintWindow(window, drawControl); }

}  // namespace sim

namespace platform {

using namespace sim;

// The area is the whole client rectangle when anything was invalid, else
// empty; drawing into an empty area leaves the previous record as it was.
void paintWindow(Window window, Painter painter) {
    World& w = world();
    WindowState* s = findOwnWindow(w, window);
    if (s == nullptr || painter == nullptr) return;
    const Rect area = s->invalid ? clientRect(*s) : Rect{};
    s->invalid = false;
    const bool recording = !isEmpty(area);
    if (recording) {
        s->paint = PaintRecord{s->paint.count + 1, w.now, std::nullopt, {}, 0};
    }
    const DeviceContext dc = w.nextDeviceContext++;
    DeviceContextState context;
    context.window = window;
    context.recording = recording;
    context.font = StockBase + StockSystemFont;
    context.brush = StockBase + StockWhiteBrush;
    w.deviceContexts.emplace(dc, context);
    painter(window, dc, area);
    w.deviceContexts.erase(dc);
}

bool fillRectWithSysColour(DeviceContext dc, const Rect& rect, int sysColour) {
    World& w = world();
    const DeviceContextState* context = findContext(w, dc);
    if (context == nullptr) return false;
    if (PaintRecord* record = recordFor(w, *context)) record->fill = Fill{rect, sysColour};
    return true;
}

Handle selectObject(DeviceContext dc, Handle object) {
    DeviceContextState* context = findContext(world(), dc);
    if (context == nullptr) return 0;
    Handle* slot = nullptr;
    switch (kindOf(object)) {
        case GdiKind::Font: slot = &context->font; break;
        case GdiKind::Brush: slot = &context->brush; break;
        case GdiKind::Other: return 0;
    }
    const Handle previous = *slot;
    *slot = object;
    return previous;
}

int setBkMode(DeviceContext dc, int mode) {
    DeviceContextState* context = findContext(world(), dc);
    if (context == nullptr || (mode != BkTransparent && mode != 2)) return 0;
    const int previous = context->backgroundMode;
    context->backgroundMode = mode;
    return previous;
}

Colour setTextColor(DeviceContext dc, Colour colour) {
    DeviceContextState* context = findContext(world(), dc);
    if (context == nullptr) return 0xFFFFFFFF;
    const Colour previous = context->textColour;
    context->textColour = colour;
    return previous;
}

Colour setBkColor(DeviceContext dc, Colour colour) {
    DeviceContextState* context = findContext(world(), dc);
    if (context == nullptr) return 0xFFFFFFFF;
    const Colour previous = context->backgroundColour;
    context->backgroundColour = colour;
    return previous;
}

// Returns the text's height, or with DT_VCENTER the offset of its bottom
// from the rectangle's top, as DrawTextA does; every line is 13 pixels.
int drawText(DeviceContext dc, const char* text, Rect rect, unsigned format) {
    World& w = world();
    const DeviceContextState* context = findContext(w, dc);
    if (context == nullptr || text == nullptr) return 0;
    if (PaintRecord* record = recordFor(w, *context)) {
        record->texts.push_back({text, rect, format, context->textColour, context->backgroundColour,
                                 context->backgroundMode, context->font});
    }
    const bool centred = (format & DtVCenter) != 0 && (format & DtSingleLine) != 0;
    return centred ? (rect.bottom - rect.top - LineHeight) / 2 + LineHeight : LineHeight;
}

Handle getStockObject(int index) {
    if (index < 0 || index >= StockCount || stockKind(index) == GdiKind::Other) return 0;
    return StockBase + static_cast<Handle>(index);
}

// The program's resources hold one icon, "DEFAULT_ICON"; every load gives
// a new handle.
Handle loadIconResource(const char* name, [[maybe_unused]] int size) {
    World& w = world();
    if (failing(w, Call::LoadIconResource) || name == nullptr ||
        std::strcmp(name, "DEFAULT_ICON") != 0)
        return 0;
    const Handle icon = w.nextIcon;
    w.nextIcon += 4;
    return icon;
}

int getSystemMetrics(int index) {
    constexpr int SmCyCaption = 4;
    constexpr int SmCxFixedFrame = 7;
    constexpr int SmCyFixedFrame = 8;
    const World& w = world();
    switch (index) {
        case SmCxScreen: return w.screenWidth;
        case SmCyScreen: return w.screenHeight;
        case SmCyCaption: return CaptionHeight;
        case SmCxFixedFrame:
        case SmCyFixedFrame: return FrameSize;
        default: return 0;
    }
}

}  // namespace platform
