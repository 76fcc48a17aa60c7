#pragma once

#include <QWidget>
#include <string>

#include "qtwindowbuilder.h"
#include "widgets/windowcore.h"

class QAction;
class QEventLoop;

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
class QtWindow : public QWidget, public WindowCore {
    Q_OBJECT

  public:
    explicit QtWindow(FormDesign design, QWidget* parent = nullptr);
    ~QtWindow() override;

    void Show() override;
    void ShowModal() override;
    void Unload() override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::uintptr_t NativeHandle() const override;

    // The widget of a control, or nullptr when there is none of that name.
    QWidget* Control(const std::string& name) const;
    // The action of a menu or menu item, or nullptr when there is none of that name.
    QAction* MenuItem(const std::string& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    std::string LabelText(const ControlDesign& label) const override;
    void SetLabelText(const ControlDesign& label, const std::string& caption) override;
    void ShowPageOf(const ControlDesign& tabs, int page) override;

  private:
    // Registers the controls and raises their events to the program.
    void Connect();
    CommandButton* Button(const std::string& name) const;
    void FocusFirst();
    void PlaceOnScreen();

    QEventLoop* modalLoop_ = nullptr;  // while shown modally
    QtBuiltWindow built_;
    bool shown_ = false;
};

}  // namespace kelvane::qt
