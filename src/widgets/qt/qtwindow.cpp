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
#include "tabcontrol.h"
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
    : QWidget(parent, kMainFlags), WindowCore(std::move(design)) {
    setObjectName(QString::fromStdString(Design().name));
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    setWindowTitle(QString::fromStdString(Design().caption));
    setWindowIcon(AppIcon());
    setFont(FontFace(Design().font));
    built_ = QtWindowBuilder::Build(*this, Design());
    Connect();
    adjustSize();
    FocusFirst();
}

QtWindow::~QtWindow() = default;

void QtWindow::Connect() {
    for (const auto& [name, item] : built_.menuItems) {
        connect(item, &QAction::triggered, this,
                [this, name = name] { Raise(name, Event::Click); });
    }
    for (const auto& [control, widget] : built_.controls) {
        AddControl(control, *widget);
        const auto plain = [this, name = control](Event event) {
            return [this, name, event] { Raise(name, event); };
        };
        const auto mouse = [this, name = control](Event event) {
            return [this, name, event](const MouseEvent& m) { Raise(name, event, m); };
        };
        if (auto* button = qobject_cast<CommandButton*>(widget)) {
            button->SetClicksWhenFocusTakenBack(Design().Find(control)->clicksWhenFocusTakenBack);
            connect(button, &QPushButton::clicked, this, plain(Event::Click));
        } else if (auto* box = qobject_cast<QtTextBox*>(widget)) {
            connect(box, &QtTextBox::LostFocus, this, plain(Event::LostFocus));
        } else if (auto* drives = qobject_cast<QtDriveList*>(widget)) {
            connect(drives, &QtDriveList::Change, this, plain(Event::Change));
        } else if (auto* folders = qobject_cast<QtFolderList*>(widget)) {
            connect(folders, &QtFolderList::Change, this, plain(Event::Change));
        } else if (auto* files = qobject_cast<QtFileList*>(widget)) {
            connect(files, &QtFileList::MouseUp, this, mouse(Event::MouseUp));
        } else if (auto* list = qobject_cast<QtListWidget*>(widget)) {
            connect(list, &QtListWidget::MouseDown, this, mouse(Event::MouseDown));
            connect(list, &QtListWidget::MouseUp, this, mouse(Event::MouseUp));
        }
    }
}

QWidget* QtWindow::Control(const std::string& name) const {
    const auto found = built_.controls.find(name);
    return found == built_.controls.end() ? nullptr : found->second;
}

QAction* QtWindow::MenuItem(const std::string& name) const {
    const auto found = built_.menuItems.find(name);
    return found == built_.menuItems.end() ? nullptr : found->second;
}

CommandButton* QtWindow::Button(const std::string& name) const {
    return qobject_cast<CommandButton*>(Control(name));
}

void QtWindow::Show() {
    PlaceOnScreen();
    show();
}

void QtWindow::PlaceOnScreen() {
    if (Design().screenPlace && !isVisible()) {
        // The client area's top-left corner, not the frame's.
        setGeometry(QRect(QPoint(TwipsToPixels(Design().screenPlace->x, kDpi),
                                 TwipsToPixels(Design().screenPlace->y, kDpi)),
                          size()));
    }
}

std::string QtWindow::Caption() const {
    return ToLocal(windowTitle());
}

void QtWindow::SetCaption(const std::string& caption) {
    setWindowTitle(FromLocal(caption));
}

std::string QtWindow::LabelText(const ControlDesign& label) const {
    return ToLocal(qobject_cast<QLabel*>(Control(label.name))->text());
}

void QtWindow::SetLabelText(const ControlDesign& label, const std::string& caption) {
    auto* widget = qobject_cast<QLabel*>(Control(label.name));
    widget->setText(FromLocal(caption));
    if (label.wordWrap) {
        FitToHeight(widget, label.font.face.empty() ? font() : FontFace(label.font));
    }
}

void QtWindow::ShowPageOf(const ControlDesign& tabs, int page) {
    qobject_cast<TabControl*>(Control(tabs.name))->SetCurrentPage(page);
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
    if (!built_.tabOrder.empty()) {
        built_.tabOrder.front()->setFocus();
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
        clickIfNamed(Design().defaultButton)) {
        return;
    }
    if (plain && event->key() == Qt::Key_Escape && clickIfNamed(Design().cancelButton)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing is saved.
    event->accept();
    QWidget::closeEvent(event);
    RaiseUnload();
}

}  // namespace kelvane::qt
