#pragma once

#include <optional>
#include <string>

#include "widgets/savedialog.h"

namespace kelvane::test {

// A Save dialog that the test answers: ShowSave takes `choice` as the chosen file, or keeps
// FileName as it was when choice is empty (a cancel).
class FakeSaveDialog : public SaveDialog {
  public:
    std::string Filter() const override { return filter; }
    void SetFilter(const std::string& text) override { filter = text; }
    std::string DialogTitle() const override { return title; }
    void SetDialogTitle(const std::string& text) override { title = text; }
    void ShowSave() override {
        ++shows;
        if (choice) {
            fileName = *choice;
        }
    }
    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& name) override { fileName = name; }

    std::string filter;
    std::string title;
    std::string fileName;
    std::optional<std::string> choice;
    int shows = 0;
};

}  // namespace kelvane::test
