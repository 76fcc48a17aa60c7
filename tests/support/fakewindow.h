#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "fakedrivelist.h"
#include "fakefilelist.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "widgets/toolkit.h"

namespace kelvane::test {

// A window in memory built from a description: a fake widget for every control of a kind the
// contract covers, the handlers the program wired, and Raise to play a user's event.
class FakeWindow : public Window {
  public:
    explicit FakeWindow(const FormDesign& design);

    TextBox& TextBoxNamed(const std::string& name) override;
    ListWidget& ListNamed(const std::string& name) override;
    DriveList& DriveListNamed(const std::string& name) override;
    FolderList& FolderListNamed(const std::string& name) override;
    FileList& FileListNamed(const std::string& name) override;
    void On(const std::string& control, Event event, Handler handler) override;
    void OnUnload(std::function<void()> handler) override;
    void Show() override { ++shows; }

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& text) override;
    void ShowModal() override { ++modalShows; }
    void Unload() override;
    std::uintptr_t NativeHandle() const override { return 0; }

    // Runs the handler of a control's event, as the toolkit would; false when none was wired.
    bool Raise(const std::string& control, Event event, const MouseEvent& mouse = {});
    // Every (control, event) the program handles.
    std::set<std::pair<std::string, Event>> Handled() const;

    std::string caption;
    std::map<std::string, std::string> labels;
    int shows = 0;
    int modalShows = 0;
    int unloads = 0;

  private:
    template <typename Widget>
    Widget& Named(std::map<std::string, std::unique_ptr<Widget>>& widgets, const std::string& name);

    const FormDesign& design_;
    std::map<std::string, std::unique_ptr<FakeTextBox>> textBoxes_;
    std::map<std::string, std::unique_ptr<FakeListWidget>> lists_;
    std::map<std::string, std::unique_ptr<FakeDriveList>> drives_;
    std::map<std::string, std::unique_ptr<FakeFolderList>> folders_;
    std::map<std::string, std::unique_ptr<FakeFileList>> files_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    std::vector<std::function<void()>> unloadHandlers_;
};

// Builds FakeWindows, keeping a pointer to each, and hands out fake dialogs.
class FakeToolkit : public Toolkit {
  public:
    std::unique_ptr<Window> Build(const FormDesign& design) override;
    std::unique_ptr<MsgBox> MakeMsgBox(Window* owner) override;
    std::unique_ptr<SaveDialog> MakeSaveDialog(Window* owner) override;
    void Run(Window& main) override { main.Show(); }

    std::vector<FakeWindow*> built;
};

}  // namespace kelvane::test
