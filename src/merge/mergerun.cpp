#include "mergerun.h"

#include <exception>
#include <memory>
#include <string>

#include "pathname.h"
#include "textstream.h"
#include "widgets/application.h"
#include "widgets/text.h"

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

MergeRun::MergeRun(TextBox& txtTartgetPath, const FolderList& myFolders,
                   const ListWidget& lstFileSelect, SaveDialog& comdlg, MsgBox& msgBox,
                   PlatformFiles& files, std::size_t bufferSize)
    : txtTartgetPath_(txtTartgetPath),
      myFolders_(myFolders),
      lstFileSelect_(lstFileSelect),
      comdlg_(comdlg),
      msgBox_(msgBox),
      files_(files),
      bufferSize_(bufferSize) {}

void MergeRun::ConfigureSaveDialog(SaveDialog& comdlg) {
    comdlg.SetFilter(kSaveFilter);
    comdlg.SetDialogTitle(kSaveTitle);
}

void MergeRun::cmdFileLookUp_Click() {
    comdlg_.ShowSave();
    txtTartgetPath_.SetText(comdlg_.FileName());
}

void MergeRun::cmdMerge_Click() {
    MergeFiles();
}

bool MergeRun::TargetIsASource(FileServices& fso, const std::string& target) const {
    const auto targetIdentity = fso.Identity(target);
    if (!targetIdentity) {
        return false;  // a missing target can't be any existing source
    }
    const std::string folder = myFolders_.List(myFolders_.ListIndex());
    const int count = lstFileSelect_.ListCount();
    for (int i = 0; i < count; ++i) {
        const std::string source = JoinFolder(folder, lstFileSelect_.List(i));
        if (fso.FileExists(source) && fso.Identity(source) == targetIdentity) {
            return true;
        }
    }
    return false;
}

void MergeRun::MergeFiles() {
    FileServices fso(files_, bufferSize_);
    const std::string target = Trim(txtTartgetPath_.Text());
    if (target.empty()) {
        msgBox_.Show(kNoTarget, MsgBox::Style::Information, kMessageTitle);
        return;
    }

    // Declared before the failure handling, so that a failed run still has its target and
    // source open while the message shows, and lets them go only when the run ends.
    std::unique_ptr<TextStream> out;
    std::unique_ptr<TextStream> in;
    try {
        // Emptying the target would destroy a source before it is read.
        if (TargetIsASource(fso, target)) {
            msgBox_.Show(kTargetIsSource, MsgBox::Style::Information, kMessageTitle);
            return;
        }
        if (fso.FileExists(target) && msgBox_.Show(kReplaceTarget, MsgBox::Style::Question,
                                                   kMessageTitle) != MsgBox::Button::Yes) {
            return;
        }
        out = fso.OpenTextFile(target, FileServices::ForWriting, true, FileServices::TristateFalse);
        // A listed name that only exists because the target was just made under it is the
        // run's own output, not a source: reading it back would never end.
        const auto targetIdentity = fso.Identity(target);

        const std::string folder = myFolders_.List(myFolders_.ListIndex());
        const int count = lstFileSelect_.ListCount();
        for (int i = 0; i < count; ++i) {
            const std::string source = JoinFolder(folder, lstFileSelect_.List(i));
            if (!fso.FileExists(source) ||
                (targetIdentity && fso.Identity(source) == targetIdentity)) {
                continue;
            }
            in = fso.OpenTextFile(source, FileServices::ForReading, false,
                                  FileServices::TristateFalse);
            // Every line of the source, until its end, a buffer at a time.
            in->CopyToEnd(*out);
        }

        // A failure that only shows when the target's last bytes go out is a failure too.
        in.reset();
        out->Close();
    } catch (const std::exception&) {
        msgBox_.Show(kMergeFailed, MsgBox::Style::Critical, kMessageTitle);
    }
}

}  // namespace kelvane
