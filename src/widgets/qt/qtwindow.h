#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "widgets/formdesign.h"
#include "widgets/window.h"

class QAction;
class QEventLoop;
class QLabel;

namespace kelvane::qt {

class CommandButton;

// A window of ours built with Qt widgets from its description: a fixed-size top-level window
// with a close box and no minimize or maximize box, the menu bar above a client area of the
// described size, and every control at its place (twips at 96 dots per inch, as
// device-independent pixels, so the layout scales with the screen).
//
// Shown with Show it is a tool window, which has no taskbar button; shown with ShowModal it is
// a dialog, modal to the whole application. Either way it opens with the focus on the first
// control of the Tab order. Enter that no control takes clicks the default button and Esc the
// cancel button, where the description names them. The close box unloads the window.
//
// Every control and menu item carries its control name as its objectName, so tests find them
// with findChild; Control and MenuItem give them too.
class QtWindow : public QWidget, public Window {
    Q_OBJECT

  public:
    explicit QtWindow(FormDesign design, QWidget* parent = nullptr);
    ~QtWindow() override;

    // Window
    TextBox& TextBoxNamed(const std::string& name) override;
    ListWidget& ListNamed(const std::string& name) override;
    DriveList& DriveListNamed(const std::string& name) override;
    FolderList& FolderListNamed(const std::string& name) override;
    FileList& FileListNamed(const std::string& name) override;
    void On(const std::string& control, Event event, Handler handler) override;
    void OnUnload(std::function<void()> handler) override;
    void Show() override;

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& caption) override;
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;

    const FormDesign& Design() const { return design_; }
    // The widget of a control, or nullptr when there is none of that name.
    QWidget* Control(const std::string& name) const;
    // The action of a menu or menu item, or nullptr when there is none of that name.
    QAction* MenuItem(const std::string& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class QtWindowBuilder;

    template <typename Widget>
    Widget& Named(const std::string& name, const char* kind) const;
    CommandButton* Button(const std::string& name) const;
    QLabel* Label(const std::string& name) const;
    void FocusFirst();
    void PlaceOnScreen();

    FormDesign design_;
    QEventLoop* modalLoop_ = nullptr;  // while shown modally
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, QAction*> menuItems_;
    std::vector<QWidget*> tabOrder_;
    std::vector<std::function<void()>> unloadHandlers_;
    bool shown_ = false;
};

}  // namespace kelvane::qt
