#include "formdesign.h"

#include <algorithm>

namespace kelvane {

const std::string& ControlDesign::Caption() const {
    static const std::string kNone;
    return captions.empty() ? kNone : captions.front();
}

const ControlDesign* FormDesign::Find(const std::string& control) const {
    for (const ControlDesign& design : controls) {
        if (design.name == control) {
            return &design;
        }
    }
    return nullptr;
}

std::vector<const ControlDesign*> FormDesign::TabOrder() const {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& design : controls) {
        if (TakesFocus(design)) {
            order.push_back(&design);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

bool TakesFocus(const ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::Line:
            return false;
        default:
            return control.tabIndex >= 0;
    }
}

}  // namespace kelvane
