#pragma once

#include <string>

namespace kelvane {

// A file Save dialog. Filter is "description|patterns|description|patterns...", with the
// patterns of one entry separated by ';'. ShowSave is modal; after a cancel FileName keeps
// its previous value. The dialog asks no overwrite question of its own.
class SaveDialog {
  public:
    virtual ~SaveDialog() = default;

    virtual std::string Filter() const = 0;
    virtual void SetFilter(const std::string& filter) = 0;
    virtual std::string DialogTitle() const = 0;
    virtual void SetDialogTitle(const std::string& title) = 0;

    virtual void ShowSave() = 0;

    virtual std::string FileName() const = 0;
    virtual void SetFileName(const std::string& fileName) = 0;
};

}  // namespace kelvane
