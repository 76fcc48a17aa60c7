#include "windowcore.h"

#include "widgets/widgeterror.h"

namespace kelvane {

// A text box of the window as the program sees it: the toolkit's own, except that giving it the
// focus brings its page in front first.
class WindowCore::PagedTextBox final : public TextBox {
  public:
    PagedTextBox(WindowCore& window, std::string name, TextBox& box)
        : window_(window), name_(std::move(name)), box_(box) {}

    std::string Text() const override { return box_.Text(); }
    void SetText(const std::string& text) override { box_.SetText(text); }
    int SelStart() const override { return box_.SelStart(); }
    void SetSelStart(int start) override { box_.SetSelStart(start); }
    int SelLength() const override { return box_.SelLength(); }
    void SetSelLength(int length) override { box_.SetSelLength(length); }
    void SetFocus() override {
        window_.BringInFront(name_);
        box_.SetFocus();
    }
    int MaxLength() const override { return box_.MaxLength(); }
    void SetMaxLength(int length) override { box_.SetMaxLength(length); }

  private:
    WindowCore& window_;
    std::string name_;
    TextBox& box_;
};

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

TextBox* WindowCore::AddTextBox(const std::string& name, TextBox& box) {
    boxes_.push_back(std::make_unique<PagedTextBox>(*this, name, box));
    return boxes_.back().get();
}

void WindowCore::BringInFront(const std::string& control) {
    // The pages from the control out, each of the tab control it sits on.
    std::vector<std::pair<const ControlDesign*, int>> pages;
    for (const ControlDesign* step = design_.Find(control); step != nullptr;) {
        const ControlDesign* container = design_.Find(step->container);
        if (container != nullptr && container->kind == ControlKind::TabControl) {
            pages.emplace_back(container, step->page);
        }
        step = container;
    }
    for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
        ShowPageOf(*page->first, page->second);
    }
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
