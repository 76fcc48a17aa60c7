#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/mergejob.h"
#include "engine/platformfiles.h"
#include "widgets/folderlist.h"
#include "widgets/listwidget.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"
#include "widgets/textbox.h"

namespace kelvane {

// The target path, the Save dialog and the merge run.
class MergePage {
  public:
    // `files`, `bufferSize` and `buffersBehind` are what each run's MergeJob works with.
    MergePage(TextBox& txtTartgetPath, const FolderList& myFolders, const ListWidget& lstFileSelect,
              SaveDialog& comdlg, MsgBox& msgBox, PlatformFiles& files = NativeFiles(),
              std::size_t bufferSize = MergeJob::kDefaultBufferSize,
              std::size_t buffersBehind = MergeJob::kDefaultBuffersBehind);

    // Start-up: the Save dialog's filter, then its title.
    static void ConfigureSaveDialog(SaveDialog& comdlg);

    void cmdFileLookUp_Click();
    void cmdMerge_Click();

    // One merge run: every line of every listed file, in list order, into the target.
    void MergeFiles();

  private:
    // The text of every row of the merge list, its count read once.
    std::vector<std::string> Rows() const;

    TextBox& txtTartgetPath_;
    const FolderList& myFolders_;
    const ListWidget& lstFileSelect_;
    SaveDialog& comdlg_;
    MsgBox& msgBox_;
    PlatformFiles& files_;
    std::size_t bufferSize_;
    std::size_t buffersBehind_;
};

}  // namespace kelvane
