#pragma once

#include <optional>
#include <string>

#include "widgets/savedialogcore.h"

namespace kelvane::test {

// A Save dialog that the test answers, keeping its properties as every toolkit's does: ShowSave
// takes `choice` as the chosen file, or keeps FileName as it was when choice is empty (a cancel).
class FakeSaveDialog : public SaveDialogCore {
  public:
    void ShowSave() override {
        ++shows;
        if (choice) {
            SetFileName(*choice);
        }
    }

    // The properties as the program set them.
    const std::string& filter = filter_;
    const std::string& title = title_;
    std::optional<std::string> choice;
    int shows = 0;
};

}  // namespace kelvane::test
