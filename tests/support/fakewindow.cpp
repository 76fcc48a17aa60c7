#include "fakewindow.h"

#include "widgets/drives.h"

namespace kelvane::test {

FakeWindow::FakeWindow(const FormDesign& design) : WindowCore(design) {
    caption = design.caption;
    for (const ControlDesign& control : design.controls) {
        switch (control.kind) {
            case ControlKind::Label:
                labels[control.name] = control.Caption();
                break;
            case ControlKind::TabControl:
                pages[control.name] = 0;
                break;
            case ControlKind::TextBox: {
                auto box = std::make_unique<FakeTextBox>();
                box->SetMaxLength(control.maxLength);
                Add(control.name, std::move(box));
                break;
            }
            case ControlKind::ListBox:
                Add(control.name, std::make_unique<FakeListWidget>());
                break;
            case ControlKind::CheckListBox:
                Add(control.name,
                    std::make_unique<FakeListWidget>(FakeListWidget::Style::CheckBox));
                break;
            case ControlKind::DriveList:
                Add(control.name, std::make_unique<FakeDriveRows>(ListDrives()));
                break;
            case ControlKind::FolderList:
                Add(control.name, std::make_unique<FakeFolderList>());
                break;
            case ControlKind::FileList:
                Add(control.name, std::make_unique<FakeFileList>());
                break;
            default:
                break;
        }
    }
}

template <typename Fake>
void FakeWindow::Add(const std::string& name, std::unique_ptr<Fake> fake) {
    AddControl(name, *fake);
    fakes_[name] = std::shared_ptr<Fake>(std::move(fake));
}

void FakeWindow::Unload() {
    ++unloads;
    RaiseUnload();
}

std::unique_ptr<Window> FakeToolkit::Build(const FormDesign& design) {
    return std::make_unique<FakeWindow>(design);
}

std::unique_ptr<MsgBox> FakeToolkit::MakeMsgBox(Window* /*owner*/) {
    return std::make_unique<FakeMsgBox>();
}

std::unique_ptr<SaveDialog> FakeToolkit::MakeSaveDialog(Window* /*owner*/) {
    return std::make_unique<FakeSaveDialog>();
}

}  // namespace kelvane::test
