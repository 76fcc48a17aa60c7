#pragma once

#include "widgets/folderlist.h"
#include "widgets/listwidget.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"
#include "widgets/textbox.h"

namespace kelvane {

// The target path, the Save dialog and the merge run.
class MergeRun {
public:
    MergeRun(TextBox& txtTartgetPath, const FolderList& myFolders, const ListWidget& lstFileSelect,
             SaveDialog& comdlg, MsgBox& msgBox);

    // Start-up: the Save dialog's filter, then its title.
    static void ConfigureSaveDialog(SaveDialog& comdlg);

    void cmdFileLookUp_Click();
    void cmdMerge_Click();

    // One merge run: every line of every listed file, in list order, into the target.
    void MergeFiles();

private:
    TextBox& txtTartgetPath_;
    const FolderList& myFolders_;
    const ListWidget& lstFileSelect_;
    SaveDialog& comdlg_;
    MsgBox& msgBox_;
};

}  // namespace kelvane
