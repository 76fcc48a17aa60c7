#pragma once

#include <QString>
#include <string>

#include "widgets/savedialogcore.h"

class QWidget;

namespace kelvane::qt {

// The Save dialog, shown with Qt's file dialog. It asks no overwrite question of its own.
// After a cancel FileName keeps its previous value.
class QtSaveDialog : public SaveDialogCore {
  public:
    // `owner` is the window the dialog is modal to; null for none.
    explicit QtSaveDialog(QWidget* owner = nullptr) : owner_(owner) {}

    void ShowSave() override;

    // "Text files|*.txt;*.sql|All|*.*" -> "Text files (*.txt *.sql);;All (*.*)". An entry with
    // no patterns (an odd last description) is left out; blank patterns are skipped.
    static QString ToQtFilter(const std::string& filter);

  private:
    QWidget* owner_;
};

}  // namespace kelvane::qt
