#include "windowcore.h"

#include "widgets/widgeterror.h"

namespace kelvane {

WindowCore::WindowCore(FormDesign design) : design_(std::move(design)) {
    design_.Check();
}

template <typename Widget>
Widget& WindowCore::Named(const std::string& name, const char* kind) const {
    const auto found = parts_.find(name);
    Widget* const* widget = found == parts_.end() ? nullptr : std::get_if<Widget*>(&found->second);
    if (widget == nullptr) {
        throw WidgetError("no " + std::string(kind) + " " + name);
    }
    return **widget;
}

TextBox& WindowCore::TextBoxNamed(const std::string& name) {
    return Named<TextBox>(name, "text box");
}

ListWidget& WindowCore::ListNamed(const std::string& name) {
    return Named<ListWidget>(name, "list");
}

DriveList& WindowCore::DriveListNamed(const std::string& name) {
    return Named<DriveList>(name, "drive list");
}

FolderList& WindowCore::FolderListNamed(const std::string& name) {
    return Named<FolderList>(name, "folder list");
}

FileList& WindowCore::FileListNamed(const std::string& name) {
    return Named<FileList>(name, "file list");
}

void WindowCore::On(const std::string& control, Event event, Handler handler) {
    if (!Raises(design_, control, event)) {
        throw WidgetError("no such event of " + control);
    }
    handlers_[{control, event}] = std::move(handler);
}

bool WindowCore::Raise(const std::string& control, Event event, const MouseEvent& mouse) {
    const auto found = handlers_.find({control, event});
    if (found == handlers_.end()) {
        return false;
    }
    const Handler handler = found->second;  // a copy: the handler may rewire the window
    handler(mouse);
    return true;
}

std::set<std::pair<std::string, Event>> WindowCore::Handled() const {
    std::set<std::pair<std::string, Event>> handled;
    for (const auto& entry : handlers_) {
        handled.insert(entry.first);
    }
    return handled;
}

void WindowCore::OnUnload(std::function<void()> handler) {
    unloadHandlers_.push_back(std::move(handler));
}

void WindowCore::RaiseUnload() {
    // A handler may register another, or end the window: it works on its own copy.
    const auto handlers = unloadHandlers_;
    for (const auto& handler : handlers) {
        handler();
    }
}

const ControlDesign& WindowCore::Label(const std::string& name) const {
    const ControlDesign* control = design_.Find(name);
    if (control == nullptr || control->kind != ControlKind::Label) {
        throw WidgetError("no label " + name);
    }
    return *control;
}

std::string WindowCore::LabelCaption(const std::string& label) const {
    return LabelText(Label(label));
}

void WindowCore::SetLabelCaption(const std::string& label, const std::string& caption) {
    SetLabelText(Label(label), caption);
}

}  // namespace kelvane
