#pragma once

#include <string>
#include <vector>

#include "widgets/savedialog.h"

namespace kelvane {

// What every toolkit's Save dialog does alike: it keeps its properties as given, and reads its
// Filter as entries. The toolkit shows the dialog (ShowSave) and sets FileName to the file
// chosen, leaving it as it was after a cancel.
class SaveDialogCore : public SaveDialog {
  public:
    std::string Filter() const final { return filter_; }
    void SetFilter(const std::string& filter) final { filter_ = filter; }
    std::string DialogTitle() const final { return title_; }
    void SetDialogTitle(const std::string& title) final { title_ = title; }
    std::string FileName() const final { return fileName_; }
    void SetFileName(const std::string& fileName) final { fileName_ = fileName; }

    struct FilterEntry {
        std::string description;
        std::string patterns;  // as written: "*.txt;*.sql"
    };
    // The entries of a Filter, in order; an odd last description is left out.
    static std::vector<FilterEntry> FilterEntries(const std::string& filter);

  protected:
    std::string filter_;
    std::string title_;
    std::string fileName_;
};

}  // namespace kelvane
