#include "qtwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>

#include "appicons.h"
#include "commandbutton.h"
#include "fontface.h"
#include "localtext.h"
#include "qtdrivelist.h"
#include "qtfilelist.h"
#include "qtfolderlist.h"
#include "qtlistwidget.h"
#include "qttextbox.h"
#include "qtwindowbuilder.h"
#include "widgets/twips.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

namespace {

constexpr int kDpi = 96;

// A fixed border with a title and the close box, no minimize or maximize box.
constexpr Qt::WindowFlags kFixedBorder = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// A tool window has no taskbar button.
constexpr Qt::WindowFlags kMainFlags = Qt::Tool | kFixedBorder;
constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | kFixedBorder;

// A wrapped label whose text would run past its bottom edge in a face wider than the one it was
// laid out for: the font steps down until the whole text shows, its last line included.
void FitToHeight(QLabel* label, const QFont& font) {
    constexpr double kSmallest = 6.0;
    QFont fitted = font;
    label->setFont(fitted);
    while (label->heightForWidth(label->width()) > label->height() &&
           fitted.pointSizeF() > kSmallest) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        label->setFont(fitted);
    }
}

}  // namespace

QtWindow::QtWindow(FormDesign design, QWidget* parent)
    : QWidget(parent, kMainFlags), design_(std::move(design)) {
    setObjectName(QString::fromStdString(design_.name));
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    setWindowTitle(QString::fromStdString(design_.caption));
    setWindowIcon(AppIcon());
    setFont(FontFace(design_.font));
    QtWindowBuilder::Build(*this);
    adjustSize();
    FocusFirst();
}

QtWindow::~QtWindow() = default;

template <typename Widget>
Widget& QtWindow::Named(const std::string& name, const char* kind) const {
    auto* widget = dynamic_cast<Widget*>(Control(name));
    if (widget == nullptr) {
        throw WidgetError("no " + std::string(kind) + " " + name);
    }
    return *widget;
}

TextBox& QtWindow::TextBoxNamed(const std::string& name) {
    return Named<QtTextBox>(name, "text box");
}

ListWidget& QtWindow::ListNamed(const std::string& name) {
    return Named<QtListWidget>(name, "list");
}

DriveList& QtWindow::DriveListNamed(const std::string& name) {
    return Named<QtDriveList>(name, "drive list");
}

FolderList& QtWindow::FolderListNamed(const std::string& name) {
    return Named<QtFolderList>(name, "folder list");
}

FileList& QtWindow::FileListNamed(const std::string& name) {
    return Named<QtFileList>(name, "file list");
}

QWidget* QtWindow::Control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

QAction* QtWindow::MenuItem(const std::string& name) const {
    const auto found = menuItems_.find(name);
    return found == menuItems_.end() ? nullptr : found->second;
}

CommandButton* QtWindow::Button(const std::string& name) const {
    return qobject_cast<CommandButton*>(Control(name));
}

void QtWindow::On(const std::string& control, Event event, Handler handler) {
    const auto plain = [handler] { handler(MouseEvent{}); };
    QWidget* widget = Control(control);
    switch (event) {
        case Event::Click:
            if (QAction* item = MenuItem(control)) {
                connect(item, &QAction::triggered, this, plain);
                return;
            }
            if (CommandButton* button = Button(control)) {
                connect(button, &QPushButton::clicked, this, plain);
                return;
            }
            break;
        case Event::Change:
            if (auto* drives = qobject_cast<QtDriveList*>(widget)) {
                connect(drives, &QtDriveList::Change, this, plain);
                return;
            }
            if (auto* folders = qobject_cast<QtFolderList*>(widget)) {
                connect(folders, &QtFolderList::Change, this, plain);
                return;
            }
            break;
        case Event::LostFocus:
            if (auto* box = qobject_cast<QtTextBox*>(widget)) {
                connect(box, &QtTextBox::LostFocus, this, plain);
                return;
            }
            break;
        case Event::MouseDown:
            if (auto* list = qobject_cast<QtListWidget*>(widget)) {
                connect(list, &QtListWidget::MouseDown, this, handler);
                return;
            }
            break;
        case Event::MouseUp:
            if (auto* list = qobject_cast<QtListWidget*>(widget)) {
                connect(list, &QtListWidget::MouseUp, this, handler);
                return;
            }
            if (auto* files = qobject_cast<QtFileList*>(widget)) {
                connect(files, &QtFileList::MouseUp, this, handler);
                return;
            }
            break;
    }
    throw WidgetError("no such event of " + control);
}

void QtWindow::OnUnload(std::function<void()> handler) {
    unloadHandlers_.push_back(std::move(handler));
}

void QtWindow::Show() {
    PlaceOnScreen();
    show();
}

void QtWindow::PlaceOnScreen() {
    if (design_.screenPlace && !isVisible()) {
        // The client area's top-left corner, not the frame's.
        setGeometry(QRect(QPoint(TwipsToPixels(design_.screenPlace->x, kDpi),
                                 TwipsToPixels(design_.screenPlace->y, kDpi)),
                          size()));
    }
}

std::string QtWindow::Caption() const {
    return ToLocal(windowTitle());
}

void QtWindow::SetCaption(const std::string& caption) {
    setWindowTitle(FromLocal(caption));
}

QLabel* QtWindow::Label(const std::string& name) const {
    auto* label = qobject_cast<QLabel*>(Control(name));
    if (label == nullptr) {
        throw WidgetError("no label " + name);
    }
    return label;
}

std::string QtWindow::LabelCaption(const std::string& label) const {
    return ToLocal(Label(label)->text());
}

void QtWindow::SetLabelCaption(const std::string& label, const std::string& caption) {
    QLabel* widget = Label(label);
    widget->setText(FromLocal(caption));
    const ControlDesign* design = design_.Find(label);
    if (design != nullptr && design->wordWrap) {
        FitToHeight(widget, design->font.face.empty() ? font() : FontFace(design->font));
    }
}

void QtWindow::ShowModal() {
    if (!isVisible()) {
        // A window shown modally is a dialog of the application, and opens afresh each time
        // with the focus on the first control.
        setWindowFlags(kDialogFlags);
        shown_ = false;
        PlaceOnScreen();
    }
    if (modalLoop_ != nullptr) {
        return;  // already shown modally
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    modalLoop_ = nullptr;
}

void QtWindow::Unload() {
    close();
}

std::uintptr_t QtWindow::NativeHandle() const {
    return static_cast<std::uintptr_t>(winId());
}

void QtWindow::FocusFirst() {
    if (!tabOrder_.empty()) {
        tabOrder_.front()->setFocus();
    }
}

void QtWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FocusFirst();
    }
}

void QtWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (modalLoop_ != nullptr) {
        modalLoop_->quit();  // the modal showing ends when the window goes
    }
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const auto clickIfNamed = [&](const std::string& name) {
        CommandButton* button = name.empty() ? nullptr : Button(name);
        if (button == nullptr) {
            return false;
        }
        button->click();
        return true;
    };
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        clickIfNamed(design_.defaultButton)) {
        return;
    }
    if (plain && event->key() == Qt::Key_Escape && clickIfNamed(design_.cancelButton)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing is saved.
    event->accept();
    QWidget::closeEvent(event);
    // A handler may register another, or end the window: it works on its own copy.
    const auto handlers = unloadHandlers_;
    for (const auto& handler : handlers) {
        handler();
    }
}

}  // namespace kelvane::qt
