#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "merge/fileservices.h"
#include "merge/platformfiles.h"
#include "widgets/folderlist.h"
#include "widgets/listwidget.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"
#include "widgets/textbox.h"

namespace kelvane {

// The target path, the Save dialog and the merge run.
class MergeRun {
  public:
    // `files` and `bufferSize` are what each run's file services work with.
    MergeRun(TextBox& txtTartgetPath, const FolderList& myFolders, const ListWidget& lstFileSelect,
             SaveDialog& comdlg, MsgBox& msgBox, PlatformFiles& files = NativeFiles(),
             std::size_t bufferSize = FileServices::kDefaultBufferSize);

    // Start-up: the Save dialog's filter, then its title.
    static void ConfigureSaveDialog(SaveDialog& comdlg);

    void cmdFileLookUp_Click();
    void cmdMerge_Click();

    // One merge run: every line of every listed file, in list order, into the target.
    void MergeFiles();

  private:
    // Sets `sources` to the full path of every row, in order, and returns the identities of
    // those that exist. Raises when one can't be looked up.
    std::vector<FileIdentity> FindSources(FileServices& fso,
                                          std::vector<std::string>& sources) const;

    TextBox& txtTartgetPath_;
    const FolderList& myFolders_;
    const ListWidget& lstFileSelect_;
    SaveDialog& comdlg_;
    MsgBox& msgBox_;
    PlatformFiles& files_;
    std::size_t bufferSize_;
};

}  // namespace kelvane
