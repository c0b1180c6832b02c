#include "app/tab_order.h"

#include <algorithm>

namespace tabOrder {

std::vector<int> order(std::span<const layout::Control> controls) {
    std::vector<int> stops;
    for (int index = 0; index < static_cast<int>(controls.size()); ++index)
        if ((controls[index].style & platform::ws::TabStop) != 0) stops.push_back(index);
    std::sort(stops.begin(), stops.end(), [&](int a, int b) {
        if (controls[a].tabPosition != controls[b].tabPosition)
            return controls[a].tabPosition < controls[b].tabPosition;
        return a > b;
    });
    return stops;
}

int step(int count, int from, Direction direction, const Usable& usable) {
    const int delta = direction == Direction::Forward ? 1 : count - 1;
    for (int position = (from + delta) % count; position != from;
         position = (position + delta) % count)
        if (usable(position)) return position;
    return from;
}

int firstUsable(int count, const Usable& usable) {
    for (int position = 0; position < count; ++position)
        if (usable(position)) return position;
    return -1;
}

}  // namespace tabOrder
