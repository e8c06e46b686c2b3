// SPDX-License-Identifier: MIT
#include "app/toolkit/tab_order.h"

#include <algorithm>
#include <map>

#include "app/toolkit/option_button.h"

namespace tarnivo::tk {

std::vector<Control*> TabOrder::stops(const std::vector<Control*>& controls) {
    std::vector<Control*> stops;
    std::map<const Container*, Control*> groupStops;  // one stop per option group
    for (Control* control : controls) {
        if (!control->canTakeFocus()) continue;
        if (auto* option = dynamic_cast<OptionButton*>(control)) {
            Control*& stop = groupStops[option->container()];
            const bool better =
                stop == nullptr || (option->value() && !static_cast<OptionButton*>(stop)->value()) ||
                (option->value() == static_cast<OptionButton*>(stop)->value() && option->tabIndex() < stop->tabIndex());
            if (better) stop = option;
            continue;
        }
        stops.push_back(control);
    }
    for (const auto& [group, stop] : groupStops) stops.push_back(stop);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    return stops;
}

Control* TabOrder::next(const std::vector<Control*>& stops, const Control* current, bool forward) {
    if (stops.empty()) return nullptr;
    const int count = static_cast<int>(stops.size());
    const auto at = [&](int i) { return stops[static_cast<std::size_t>(((i % count) + count) % count)]; };
    int next = forward ? 0 : count - 1;
    if (current != nullptr) {
        const auto found = std::find(stops.begin(), stops.end(), current);
        if (found != stops.end()) {
            next = static_cast<int>(found - stops.begin()) + (forward ? 1 : -1);
        } else {
            // The focus is on no stop (say an unselected option): go on from its tab index.
            const int tab = current->tabIndex();
            if (forward) {
                const auto after =
                    std::find_if(stops.begin(), stops.end(), [&](auto* c) { return c->tabIndex() > tab; });
                next = static_cast<int>(after - stops.begin());
            } else {
                const auto before =
                    std::find_if(stops.rbegin(), stops.rend(), [&](auto* c) { return c->tabIndex() < tab; });
                next = static_cast<int>(stops.rend() - before) - 1;
            }
        }
    }
    return at(next);
}

Control* TabOrder::after(const std::vector<Control*>& stops, int tabIndex) {
    if (stops.empty()) return nullptr;
    const auto next =
        std::find_if(stops.begin(), stops.end(), [tabIndex](const Control* c) { return c->tabIndex() > tabIndex; });
    return next != stops.end() ? *next : stops.front();
}

}  // namespace tarnivo::tk
