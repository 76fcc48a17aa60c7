#pragma once

#include <QString>
#include <string>

#include "widgets/savedialog.h"

class QWidget;

namespace kelvane::qt {

// The Save dialog, shown with Qt's file dialog. It asks no overwrite question of its own.
// After a cancel FileName keeps its previous value.
class QtSaveDialog : public SaveDialog {
  public:
    // `owner` is the window the dialog is modal to; null for none.
    explicit QtSaveDialog(QWidget* owner = nullptr) : owner_(owner) {}

    std::string Filter() const override { return filter_; }
    void SetFilter(const std::string& filter) override { filter_ = filter; }
    std::string DialogTitle() const override { return title_; }
    void SetDialogTitle(const std::string& title) override { title_ = title; }
    void ShowSave() override;
    std::string FileName() const override { return fileName_; }
    void SetFileName(const std::string& fileName) override { fileName_ = fileName; }

    // "Text files|*.txt;*.sql|All|*.*" -> "Text files (*.txt *.sql);;All (*.*)". An entry with
    // no patterns (an odd last description) is left out; blank patterns are skipped.
    static QString ToQtFilter(const std::string& filter);

  private:
    QWidget* owner_;
    std::string filter_;
    std::string title_;
    std::string fileName_;
};

}  // namespace kelvane::qt
