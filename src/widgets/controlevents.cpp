#include "controlevents.h"

namespace kelvane {

namespace {

struct Raised {
    ControlKind kind;
    Event event;
};

constexpr Raised kRaised[] = {
    {ControlKind::Button, Event::Click},         {ControlKind::TextBox, Event::LostFocus},
    {ControlKind::DriveList, Event::Change},     {ControlKind::FolderList, Event::Change},
    {ControlKind::FileList, Event::MouseUp},     {ControlKind::ListBox, Event::MouseDown},
    {ControlKind::ListBox, Event::MouseUp},      {ControlKind::CheckListBox, Event::MouseDown},
    {ControlKind::CheckListBox, Event::MouseUp},
};

}  // namespace

bool Raises(ControlKind kind, Event event) {
    for (const Raised& raised : kRaised) {
        if (raised.kind == kind && raised.event == event) {
            return true;
        }
    }
    return false;
}

bool Raises(const FormDesign& form, const std::string& name, Event event) {
    if (const ControlDesign* control = form.Find(name)) {
        return Raises(control->kind, event);
    }
    const MenuDesign* item = form.FindMenuItem(name);
    return item != nullptr && !item->IsSeparator() && event == Event::Click;
}

}  // namespace kelvane
