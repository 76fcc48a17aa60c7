#pragma once

#include <functional>
#include <memory>
#include <string>

#include "widgets/form.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"
#include "widgets/toolkit.h"
#include "widgets/window.h"

namespace kelvane {
class FileTypeList;
class MergeOrder;
class MergePage;
class SourceSelection;
}  // namespace kelvane

// What frmMain uses from outside; tests pass doubles. Every empty member means the real one.
struct frmMainServices {
    // Null for the toolkit's message boxes, owned by the window.
    kelvane::MsgBox* msgBox = nullptr;
    // Null for the toolkit's Save dialog.
    kelvane::SaveDialog* saveDialog = nullptr;
    // Empty for OpenDocument.
    std::function<void(kelvane::Form&, const std::string&)> openDocument;
    // Empty for a new frmAbout, built by the same toolkit and shown modally each time.
    std::function<void()> showAbout;
};

// The main window: the target path, the two pages of the tab control, Merge and Close, and the
// menus. The toolkit builds it from its description; this class owns it, runs its load event
// and wires every event to the procedure that handles it. No exception from a procedure reaches
// the toolkit's event loop.
class frmMain {
  public:
    using Services = frmMainServices;

    explicit frmMain(kelvane::Toolkit& toolkit, Services services = {});
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    kelvane::Window& window() { return *window_; }

    // The load event's procedure: the Save dialog's settings, then the default file types.
    void Init();

    void mnuFileExit_Click();
    void cmdClose_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();

    kelvane::FileTypeList& fileTypes() { return *fileTypes_; }
    kelvane::SourceSelection& sourceSelection() { return *sourceSelection_; }
    kelvane::MergeOrder& mergeOrder() { return *mergeOrder_; }
    kelvane::MergePage& mergePage() { return *mergePage_; }

  private:
    void ShowStartFolder();
    void Wire();

    std::unique_ptr<kelvane::Window> window_;

  public:
    // The controls the procedures work on, by control name.
    kelvane::TextBox& txtTartgetPath;
    kelvane::DriveList& myDrive;
    kelvane::FolderList& myFolders;
    kelvane::FileList& fileList;
    kelvane::ListWidget& lstFileSelect;
    kelvane::TextBox& txtFileType;
    kelvane::ListWidget& lstFileType;

  private:
    std::unique_ptr<kelvane::MsgBox> ownMsgBox_;
    std::unique_ptr<kelvane::SaveDialog> ownSaveDialog_;
    kelvane::MsgBox* msgBox_ = nullptr;
    kelvane::SaveDialog* comdlg_ = nullptr;
    std::function<void(kelvane::Form&, const std::string&)> openDocument_;
    std::function<void()> showAbout_;

    std::unique_ptr<kelvane::FileTypeList> fileTypes_;
    std::unique_ptr<kelvane::SourceSelection> sourceSelection_;
    std::unique_ptr<kelvane::MergeOrder> mergeOrder_;
    std::unique_ptr<kelvane::MergePage> mergePage_;
};
