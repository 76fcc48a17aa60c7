#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "widgets/form.h"

class QEventLoop;

namespace kelvane::qt {

// The form operations of a Qt window: its title, its labels (QLabel children found by control
// name), a modal showing that returns once the window is unloaded, unloading (closing it), and
// its native handle. A window that is itself a Form delegates to one of these.
class QtForm : public QObject, public Form {
    Q_OBJECT

  public:
    explicit QtForm(QWidget* window);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& caption) override;
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace kelvane::qt
