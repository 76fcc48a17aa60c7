#include "qtform.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>

#include "widgets/widgeterror.h"

namespace kelvane::qt {

namespace {

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

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
    return window_->windowTitle().toLocal8Bit().toStdString();
}

void QtForm::SetCaption(const std::string& caption) {
    window_->setWindowTitle(FromLocal(caption));
}

std::string QtForm::LabelCaption(const std::string& label) const {
    return FindLabel(window_, label)->text().toLocal8Bit().toStdString();
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
