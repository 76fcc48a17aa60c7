#include "fakewindow.h"

#include "widgets/widgeterror.h"

namespace kelvane::test {

FakeWindow::FakeWindow(const FormDesign& design) : design_(design) {
    caption = design.caption;
    for (const ControlDesign& control : design.controls) {
        switch (control.kind) {
            case ControlKind::Label:
                labels[control.name] = control.Caption();
                break;
            case ControlKind::TextBox:
                textBoxes_[control.name] = std::make_unique<FakeTextBox>();
                textBoxes_[control.name]->SetMaxLength(control.maxLength);
                break;
            case ControlKind::ListBox:
                lists_[control.name] = std::make_unique<FakeListWidget>();
                break;
            case ControlKind::CheckListBox:
                lists_[control.name] =
                    std::make_unique<FakeListWidget>(FakeListWidget::Style::CheckBox);
                break;
            case ControlKind::DriveList:
                drives_[control.name] = std::make_unique<FakeDriveList>();
                break;
            case ControlKind::FolderList:
                folders_[control.name] = std::make_unique<FakeFolderList>();
                break;
            case ControlKind::FileList:
                files_[control.name] = std::make_unique<FakeFileList>();
                break;
            default:
                break;
        }
    }
}

template <typename Widget>
Widget& FakeWindow::Named(std::map<std::string, std::unique_ptr<Widget>>& widgets,
                          const std::string& name) {
    const auto found = widgets.find(name);
    if (found == widgets.end()) {
        throw WidgetError("no such control " + name);
    }
    return *found->second;
}

TextBox& FakeWindow::TextBoxNamed(const std::string& name) {
    return Named(textBoxes_, name);
}

ListWidget& FakeWindow::ListNamed(const std::string& name) {
    return Named(lists_, name);
}

DriveList& FakeWindow::DriveListNamed(const std::string& name) {
    return Named(drives_, name);
}

FolderList& FakeWindow::FolderListNamed(const std::string& name) {
    return Named(folders_, name);
}

FileList& FakeWindow::FileListNamed(const std::string& name) {
    return Named(files_, name);
}

void FakeWindow::On(const std::string& control, Event event, Handler handler) {
    bool known = design_.Find(control) != nullptr;
    for (const MenuDesign& menu : design_.menus) {
        for (const MenuDesign& item : menu.items) {
            known = known || item.name == control;
        }
    }
    if (!known) {
        throw WidgetError("no such control " + control);
    }
    handlers_[{control, event}] = std::move(handler);
}

void FakeWindow::OnUnload(std::function<void()> handler) {
    unloadHandlers_.push_back(std::move(handler));
}

std::string FakeWindow::LabelCaption(const std::string& label) const {
    const auto found = labels.find(label);
    if (found == labels.end()) {
        throw WidgetError("no label " + label);
    }
    return found->second;
}

void FakeWindow::SetLabelCaption(const std::string& label, const std::string& text) {
    LabelCaption(label);  // an unknown label raises, as on a real window
    labels[label] = text;
}

void FakeWindow::Unload() {
    ++unloads;
    for (const auto& handler : unloadHandlers_) {
        handler();
    }
}

bool FakeWindow::Raise(const std::string& control, Event event, const MouseEvent& mouse) {
    const auto found = handlers_.find({control, event});
    if (found == handlers_.end()) {
        return false;
    }
    found->second(mouse);
    return true;
}

std::set<std::pair<std::string, Event>> FakeWindow::Handled() const {
    std::set<std::pair<std::string, Event>> handled;
    for (const auto& entry : handlers_) {
        handled.insert(entry.first);
    }
    return handled;
}

std::unique_ptr<Window> FakeToolkit::Build(const FormDesign& design) {
    auto window = std::make_unique<FakeWindow>(design);
    built.push_back(window.get());
    return window;
}

std::unique_ptr<MsgBox> FakeToolkit::MakeMsgBox(Window* /*owner*/) {
    return std::make_unique<FakeMsgBox>();
}

std::unique_ptr<SaveDialog> FakeToolkit::MakeSaveDialog(Window* /*owner*/) {
    return std::make_unique<FakeSaveDialog>();
}

}  // namespace kelvane::test
