#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "widgets/formdesign.h"
#include "widgets/window.h"

namespace kelvane {

// What every window of ours does alike, whatever draws it: it keeps its description, reaches its
// controls by name as the widget each kind is, holds the program's handlers of their events and
// runs them when the toolkit raises an event, and runs the unload handlers. Each toolkit's window
// derives from it, registers the widgets it built and raises their events. The tests' window in
// memory derives from it too, and so refuses what the real ones refuse.
//
// The description is checked before anything is built (FormDesign::Check): a window that can't be
// built as described raises WidgetError in every toolkit alike.
//
// Giving the focus to a control on a page that isn't shown brings that page in front first (and
// the pages it sits on in turn, from the outermost tab control in), as a click on its tab would:
// a text box that sends the user back to it after a failed check does so even when the focus
// left it for the other page.
class WindowCore : public Window {
  public:
    TextBox& TextBoxNamed(const std::string& name) final;
    ListWidget& ListNamed(const std::string& name) final;
    DriveList& DriveListNamed(const std::string& name) final;
    FolderList& FolderListNamed(const std::string& name) final;
    FileList& FileListNamed(const std::string& name) final;
    // WidgetError for a control or menu item that never raises the event (controlevents.h).
    void On(const std::string& control, Event event, Handler handler) final;
    void OnUnload(std::function<void()> handler) final;
    // WidgetError for a name that is no label of the window, whatever else it may name.
    std::string LabelCaption(const std::string& label) const final;
    void SetLabelCaption(const std::string& label, const std::string& caption) final;

    const FormDesign& Design() const { return design_; }

    // Runs the program's handler of a control's event; false when it has none.
    bool Raise(const std::string& control, Event event, const MouseEvent& mouse = {});
    // Brings in front every page the control sits on, outermost first.
    void BringInFront(const std::string& control);

  protected:
    explicit WindowCore(FormDesign design);

    // Registers a control the toolkit built as the widget of the contract it is, if it is one.
    template <typename Control>
    void AddControl(const std::string& name, Control& control) {
        if (auto* box = dynamic_cast<TextBox*>(&control)) {
            parts_[name] = AddTextBox(name, *box);
        } else if (auto* list = dynamic_cast<ListWidget*>(&control)) {
            parts_[name] = list;
        } else if (auto* drives = dynamic_cast<DriveList*>(&control)) {
            parts_[name] = drives;
        } else if (auto* folders = dynamic_cast<FolderList*>(&control)) {
            parts_[name] = folders;
        } else if (auto* files = dynamic_cast<FileList*>(&control)) {
            parts_[name] = files;
        }
    }
    // The window has been unloaded, however it was closed: runs the unload handlers.
    void RaiseUnload();
    // Every control and event the program handles.
    std::set<std::pair<std::string, Event>> Handled() const;

    // A label's caption as the toolkit shows it.
    virtual std::string LabelText(const ControlDesign& label) const = 0;
    virtual void SetLabelText(const ControlDesign& label, const std::string& caption) = 0;
    // Shows a page of a tab control, as a click on its tab does.
    virtual void ShowPageOf(const ControlDesign& tabs, int page) = 0;

  private:
    class PagedTextBox;
    using Part = std::variant<TextBox*, ListWidget*, DriveList*, FolderList*, FileList*>;

    template <typename Widget>
    Widget& Named(const std::string& name, const char* kind) const;
    const ControlDesign& Label(const std::string& name) const;
    TextBox* AddTextBox(const std::string& name, TextBox& box);

    FormDesign design_;
    std::map<std::string, Part> parts_;
    std::vector<std::unique_ptr<TextBox>> boxes_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    std::vector<std::function<void()>> unloadHandlers_;
};

}  // namespace kelvane
