#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakedriverows.h"
#include "fakefilelist.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "widgets/toolkit.h"
#include "widgets/windowcore.h"

namespace kelvane::test {

// A window in memory built from a description (none for a bare window): a fake widget for every
// control of a kind the contract covers, the handlers the program wired (only for events the
// control raises, as on the real windows), and Raise to play a user's event.
class FakeWindow : public WindowCore {
  public:
    explicit FakeWindow(const FormDesign& design = {});

    void Show() override { ++shows; }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    void ShowModal() override {}
    void Unload() override;
    std::uintptr_t NativeHandle() const override { return handle; }

    using WindowCore::Handled;

    // The fake the window built for a control, as the test made it.
    template <typename Fake>
    Fake& FakeNamed(const std::string& name) {
        return *static_cast<Fake*>(fakes_.at(name).get());
    }

    std::string caption;
    std::map<std::string, std::string> labels;
    // The page shown of each tab control, by name; page 0 until another is brought in front.
    std::map<std::string, int> pages;
    int shows = 0;
    int unloads = 0;
    std::uintptr_t handle = 0;

  protected:
    std::string LabelText(const ControlDesign& label) const override {
        return labels.at(label.name);
    }
    void SetLabelText(const ControlDesign& label, const std::string& text) override {
        labels[label.name] = text;
    }
    void ShowPageOf(const ControlDesign& tabs, int page) override { pages[tabs.name] = page; }

  private:
    template <typename Fake>
    void Add(const std::string& name, std::unique_ptr<Fake> fake);

    std::map<std::string, std::shared_ptr<void>> fakes_;
};

// Builds FakeWindows, and hands out fake dialogs.
class FakeToolkit : public Toolkit {
  public:
    std::unique_ptr<Window> Build(const FormDesign& design) override;
    std::unique_ptr<MsgBox> MakeMsgBox(Window* owner) override;
    std::unique_ptr<SaveDialog> MakeSaveDialog(Window* owner) override;
    void Run(Window& main) override { main.Show(); }
};

}  // namespace kelvane::test
