#include "mergerun.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

bool IsOneOf(const std::optional<FileIdentity>& file, const std::vector<FileIdentity>& files) {
    return file && std::find(files.begin(), files.end(), *file) != files.end();
}

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
        // Every source is looked up before anything is asked or opened: one that exists but
        // can't be reached fails the run while the target still holds its content.
        std::vector<std::string> sources;
        const std::vector<FileIdentity> existing = FindSources(fso, sources);
        // Emptying the target would destroy a source before it is read.
        if (IsOneOf(fso.Identity(target), existing)) {
            msgBox_.Show(kTargetIsSource, MsgBox::Style::Information, kMessageTitle);
            return;
        }
        if (fso.FileExists(target) && msgBox_.Show(kReplaceTarget, MsgBox::Style::Question,
                                                   kMessageTitle) != MsgBox::Button::Yes) {
            return;
        }
        // The name may have been pointed at a source while the question was open: the file
        // actually opened is compared with the sources before it is emptied.
        out = fso.OpenToReplace(target);
        const auto written = out->Identity();
        if (IsOneOf(written, existing)) {
            msgBox_.Show(kTargetIsSource, MsgBox::Style::Information, kMessageTitle);
            return;
        }
        out->Empty();

        for (const std::string& source : sources) {
            // A listed name that only exists because the target was just made under it is the
            // run's own output, not a source: reading it back would never end. It is told by
            // name first, as Windows won't open the target for reading while it is open for
            // writing, then by the file opened, in case the name has changed since.
            if (!fso.FileExists(source) || (written && fso.Identity(source) == written)) {
                continue;
            }
            in = fso.OpenTextFile(source, FileServices::ForReading, false,
                                  FileServices::TristateFalse);
            if (written && in->Identity() == written) {
                continue;
            }
            // Every line of the source, until its end, a buffer at a time.
            in->CopyToEnd(*out);
        }

        // A failure that only shows when the target's last bytes go out is a failure too.
        in.reset();
        out->Close();
    } catch (const std::exception&) {
        // The whole lines copied before the failure are in the target while the message shows.
        if (out) {
            try {
                out->Flush();
            } catch (const std::exception&) {
                // Writing failed already: the message below says so.
            }
        }
        msgBox_.Show(kMergeFailed, MsgBox::Style::Critical, kMessageTitle);
    }
}

std::vector<FileIdentity> MergeRun::FindSources(FileServices& fso,
                                                std::vector<std::string>& sources) const {
    const std::string folder = myFolders_.List(myFolders_.ListIndex());
    const int count = lstFileSelect_.ListCount();
    std::vector<FileIdentity> existing;
    for (int i = 0; i < count; ++i) {
        sources.push_back(JoinFolder(folder, lstFileSelect_.List(i)));
        if (fso.FileExists(sources.back())) {
            if (const auto identity = fso.Identity(sources.back())) {
                existing.push_back(*identity);
            }
        }
    }
    return existing;
}

}  // namespace kelvane
