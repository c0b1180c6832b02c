#include "app/label.h"

#include <algorithm>

#include "app/controls.h"
#include "app/layout.h"
#include "app/main_window.h"

namespace {

bool isEmpty(const platform::Rect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

platform::Rect intersection(const platform::Rect& a, const platform::Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

struct LabelLook {
    platform::Colour colour = layout::black;
    layout::Alignment alignment = layout::Alignment::Left;
};

LabelLook lookOf(platform::Window label) {
    const layout::Control* control = controlLayoutOf(label);
    if (control == nullptr) return {};
    return {control->textColour, control->alignment};
}

void drawCaption(platform::Window label, platform::DeviceContext dc, const Text& caption) {
    const LabelLook look = lookOf(label);
    const platform::Handle previousFont =
        platform::selectObject(dc, platform::getStockObject(platform::StockDefaultGuiFont));
    platform::setBkMode(dc, platform::BkTransparent);
    platform::setTextColor(dc, look.colour);
    platform::drawText(dc, caption.c_str(), platform::getClientRect(label),
                       layout::labelDrawFormat(look.alignment));
    if (previousFont != 0) platform::selectObject(dc, previousFont);
}

void paintLabel(platform::Window label, platform::DeviceContext dc, const platform::Rect& area) {
    if (isEmpty(area)) return;
    platform::fillRectWithSysColour(dc, intersection(area, platform::getClientRect(label)),
                                    platform::ColorBtnFace);
    const Text caption = readControlText(label);
    if (textLength(caption) == 0) return;
    drawCaption(label, dc, caption);
}

}  // namespace

platform::LResult labelProc(platform::Window label, platform::MessageId id, platform::WParam wParam,
                            platform::LParam lParam) {
    if (id != platform::wm::Paint) return platform::defWindowProc(label, id, wParam, lParam);
    platform::paintWindow(label, paintLabel);
    return 0;
}
