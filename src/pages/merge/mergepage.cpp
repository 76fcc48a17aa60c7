#include "mergepage.h"

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "base/text.h"
#include "widgets/application.h"

namespace kelvane {

namespace {

constexpr char kSaveFilter[] = "Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*";
constexpr char kSaveTitle[] = "Save Target File As";

constexpr char kNoTarget[] = "Please key in a valid target file";
constexpr char kTargetIsSource[] =
    "The target file is one of the files to merge. Please give another target file.";
constexpr char kReplaceTarget[] = "The file already exists!. Do you want to replace this file?";
constexpr char kMergeFailed[] =
    "Some error occurred in the merging.  If this is a bug please report to Dunmarrow.";

}  // namespace

MergePage::MergePage(TextBox& txtTartgetPath, const FolderList& myFolders,
                     const ListWidget& lstFileSelect, SaveDialog& comdlg, MsgBox& msgBox,
                     PlatformFiles& files, std::size_t bufferSize, std::size_t buffersBehind)
    : txtTartgetPath_(txtTartgetPath),
      myFolders_(myFolders),
      lstFileSelect_(lstFileSelect),
      comdlg_(comdlg),
      msgBox_(msgBox),
      files_(files),
      bufferSize_(bufferSize),
      buffersBehind_(buffersBehind) {}

void MergePage::ConfigureSaveDialog(SaveDialog& comdlg) {
    comdlg.SetFilter(kSaveFilter);
    comdlg.SetDialogTitle(kSaveTitle);
}

void MergePage::cmdFileLookUp_Click() {
    comdlg_.ShowSave();
    txtTartgetPath_.SetText(comdlg_.FileName());
}

void MergePage::cmdMerge_Click() {
    MergeFiles();
}

void MergePage::MergeFiles() {
    const std::string target = Trim(txtTartgetPath_.Text());
    if (target.empty()) {
        msgBox_.Show(kNoTarget, MsgBox::Style::Information, kMessageTitle);
        return;
    }

    // Made before the failure handling, so that a failed run still has its target and source
    // open while the message shows, and lets them go only when the run ends.
    MergeJob job(files_, bufferSize_, buffersBehind_);
    try {
        // Every source is looked up before anything is asked or opened: one that exists but
        // can't be reached fails the run while the target still holds its content.
        job.FindSources(myFolders_.List(myFolders_.ListIndex()), Rows());
        // Emptying the target would destroy a source before it is read.
        const MergeJob::Target found = job.LookUpTarget(target);
        if (found == MergeJob::Target::IsASource) {
            msgBox_.Show(kTargetIsSource, MsgBox::Style::Information, kMessageTitle);
            return;
        }
        if (found == MergeJob::Target::Exists &&
            msgBox_.Show(kReplaceTarget, MsgBox::Style::Question, kMessageTitle) !=
                MsgBox::Button::Yes) {
            return;
        }
        // The name may have been pointed at a source while the question was open: the file
        // actually opened is compared with the sources before it is emptied.
        if (!job.OpenTarget(target)) {
            msgBox_.Show(kTargetIsSource, MsgBox::Style::Information, kMessageTitle);
            return;
        }
        job.CopySources();
        // A failure that only shows when the target's last bytes go out is a failure too.
        job.Finish();
    } catch (const std::exception&) {
        // The whole lines copied before the failure are in the target while the message shows.
        job.KeepWholeLines();
        msgBox_.Show(kMergeFailed, MsgBox::Style::Critical, kMessageTitle);
    }
}

std::vector<std::string> MergePage::Rows() const {
    const int count = lstFileSelect_.ListCount();
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        rows.push_back(lstFileSelect_.List(i));
    }
    return rows;
}

}  // namespace kelvane
