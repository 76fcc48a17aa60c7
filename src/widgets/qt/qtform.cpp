#include "qtform.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>

#include "localtext.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

namespace {

QLabel* FindLabel(const QWidget* window, const std::string& name) {
    QLabel* label = window == nullptr ? nullptr : window->findChild<QLabel*>(FromLocal(name));
    if (label == nullptr) {
        throw WidgetError("no label " + name);
    }
    return label;
}

}  // namespace

QtForm::QtForm(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
}

std::string QtForm::Caption() const {
    return ToLocal(window_->windowTitle());
}

void QtForm::SetCaption(const std::string& caption) {
    window_->setWindowTitle(FromLocal(caption));
}

std::string QtForm::LabelCaption(const std::string& label) const {
    return ToLocal(FindLabel(window_, label)->text());
}

void QtForm::SetLabelCaption(const std::string& label, const std::string& caption) {
    FindLabel(window_, label)->setText(FromLocal(caption));
}

void QtForm::ShowModal() {
    if (modalLoop_ != nullptr) {
        return;  // already shown modally
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    if (window_->isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    modalLoop_ = nullptr;
}

void QtForm::Unload() {
    if (window_ != nullptr) {
        window_->close();
    }
}

std::uintptr_t QtForm::NativeHandle() const {
    return window_ == nullptr ? 0 : static_cast<std::uintptr_t>(window_->winId());
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Hide && modalLoop_ != nullptr) {
        modalLoop_->quit();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvane::qt
