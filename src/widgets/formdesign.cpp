#include "formdesign.h"

#include <algorithm>
#include <set>

#include "widgets/widgeterror.h"

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

const MenuDesign* FormDesign::FindMenuItem(const std::string& item) const {
    for (const MenuDesign& menu : menus) {
        for (const MenuDesign& design : menu.items) {
            if (design.name == item) {
                return &design;
            }
        }
    }
    return nullptr;
}

void FormDesign::Check() const {
    std::set<std::string> names;
    const auto add = [&names](const std::string& named) {
        if (!names.insert(named).second) {
            throw WidgetError("two controls are named " + named);
        }
    };
    for (const MenuDesign& menu : menus) {
        add(menu.name);
        for (const MenuDesign& item : menu.items) {
            add(item.name);
        }
    }
    std::set<std::string> containers;
    for (const ControlDesign& control : controls) {
        add(control.name);
        if (!control.container.empty() && containers.count(control.container) == 0) {
            throw WidgetError("container " + control.container + " of " + control.name +
                              " is not described before it");
        }
        if (IsContainer(control)) {
            containers.insert(control.name);
        }
    }
    for (const ControlDesign& control : controls) {
        const ControlDesign* label = control.label.empty() ? nullptr : Find(control.label);
        if (!control.label.empty() && (label == nullptr || label->kind != ControlKind::Label)) {
            throw WidgetError("the label " + control.label + " of " + control.name +
                              " is no label of the window");
        }
    }
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

int FormDesign::Depth(const ControlDesign& control) const {
    int depth = 0;
    for (const ControlDesign* step = &control; step != nullptr && !step->container.empty();
         step = Find(step->container)) {
        ++depth;
    }
    return depth;
}

int FormDesign::PageOn(const ControlDesign& control, const std::string& tabs) const {
    for (const ControlDesign* step = &control; step != nullptr && !step->container.empty();
         step = Find(step->container)) {
        if (step->container == tabs) {
            return step->page;
        }
    }
    return -1;
}

PixelRect FormDesign::ClientPlace(const ControlDesign& control, int dpi) const {
    PixelRect place = TwipsToPixels(control.place, dpi);
    for (const ControlDesign* container = Find(control.container); container != nullptr;
         container = Find(container->container)) {
        const PixelRect outer = TwipsToPixels(container->place, dpi);
        place.left += outer.left;
        place.top += outer.top;
    }
    return place;
}

int FormDesign::CoveredTop(const ControlDesign& control, int dpi) const {
    int covered = 0;
    for (const ControlDesign& other : controls) {
        if (&other == &control) {
            break;
        }
        if (other.container == control.container && other.page == control.page &&
            Overlap(other.place, control.place)) {
            covered = std::max(covered, TwipsToPixels(other.place.top + other.place.height, dpi) -
                                            TwipsToPixels(control.place.top, dpi));
        }
    }
    return covered;
}

std::string FormDesign::AccessibleName(const ControlDesign& control) const {
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::Line:
        case ControlKind::Frame:
        case ControlKind::TabControl:
            return {};
        default:
            break;
    }
    if (!control.Caption().empty()) {
        return {};
    }
    const ControlDesign* label = control.label.empty() ? nullptr : Find(control.label);
    const std::string& text = !control.spokenName.empty() ? control.spokenName
                              : label != nullptr          ? label->Caption()
                                                          : control.tooltip;
    std::string spoken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;  // "&x" says "x", and "&&" says "&"
        }
        spoken += text[i];
    }
    return spoken;
}

std::string AccessLetter(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&' && caption[++i] != '&') {
            std::size_t end = i + 1;
            while (end < caption.size() &&
                   (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) {
                ++end;  // the rest of a character of several bytes
            }
            return caption.substr(i, end - i);
        }
    }
    return {};
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

bool IsContainer(const ControlDesign& control) {
    return control.kind == ControlKind::TabControl || control.kind == ControlKind::Frame;
}

}  // namespace kelvane
