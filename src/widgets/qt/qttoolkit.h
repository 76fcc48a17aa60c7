#pragma once

#include <QApplication>
#include <memory>

#include "widgets/toolkit.h"

namespace kelvane::qt {

// The Qt toolkit: windows built with Qt widgets, QMessageBox and Qt's file dialog, and Qt's
// event loop. It makes the application object unless one exists already (as in the tests),
// and gives it no command-line arguments. What Qt's own dialogs would keep for the next run (the
// Save dialog's folder history and sort order) goes to a folder of the run's own instead.
class QtToolkit : public Toolkit {
  public:
    QtToolkit();
    ~QtToolkit() override;

    std::unique_ptr<Window> Build(const FormDesign& design) override;
    std::unique_ptr<MsgBox> MakeMsgBox(Window* owner) override;
    std::unique_ptr<SaveDialog> MakeSaveDialog(Window* owner) override;
    void Run(Window& main) override;

  private:
    int argc_ = 1;
    char name_[15] = "kelvane-merger";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

}  // namespace kelvane::qt
