#include "frmmain.h"

#include "frmmaindesign.h"
#include "opendocument.h"
#include "pages/about/frmabout.h"
#include "pages/filetypes/filetypelist.h"
#include "pages/merge/mergepage.h"
#include "pages/selection/mergeorder.h"
#include "pages/selection/sourceselection.h"
#include "widgets/folderreader.h"
#include "widgets/runprocedure.h"

using kelvane::Event;
using kelvane::MouseEvent;

namespace {

// Which procedure handles each event of the window. No other event of it is handled: none of
// the labels, the frame, the tab control, lstFileType or txtTartgetPath has a handler.
struct Wiring {
    const char* control;
    Event event;
    void (*procedure)(frmMain& form, const MouseEvent& mouse);
};

const Wiring kWiring[] = {
    {"mnuFileExit", Event::Click, [](frmMain& f, const MouseEvent&) { f.mnuFileExit_Click(); }},
    {"cmdClose", Event::Click, [](frmMain& f, const MouseEvent&) { f.cmdClose_Click(); }},
    {"mnuHelpAbout", Event::Click, [](frmMain& f, const MouseEvent&) { f.mnuHelpAbout_Click(); }},
    {"mnuHelpHelp", Event::Click, [](frmMain& f, const MouseEvent&) { f.mnuHelpHelp_Click(); }},

    {"txtFileType", Event::LostFocus,
     [](frmMain& f, const MouseEvent&) { f.fileTypes().txtFileType_LostFocus(); }},
    {"cmdAddFileType", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.fileTypes().cmdAddFileType_Click(); }},
    {"cmdDelete", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.fileTypes().cmdDelete_Click(); }},
    {"cmdLearList", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.fileTypes().cmdLearList_Click(); }},
    {"cmdClear", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.fileTypes().cmdClear_Click(); }},

    {"myDrive", Event::Change,
     [](frmMain& f, const MouseEvent&) { f.sourceSelection().myDrive_Change(); }},
    {"myFolders", Event::Change,
     [](frmMain& f, const MouseEvent&) { f.sourceSelection().myFolders_Change(); }},
    {"fileList", Event::MouseUp,
     [](frmMain& f, const MouseEvent& m) { f.sourceSelection().fileList_MouseUp(m); }},

    {"lstFileSelect", Event::MouseDown,
     [](frmMain& f, const MouseEvent& m) { f.mergeOrder().lstFileSelect_MouseDown(m); }},
    {"lstFileSelect", Event::MouseUp,
     [](frmMain& f, const MouseEvent& m) { f.mergeOrder().lstFileSelect_MouseUp(m); }},
    {"cmdUp", Event::Click, [](frmMain& f, const MouseEvent&) { f.mergeOrder().cmdUp_Click(); }},
    {"cmdDown", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.mergeOrder().cmdDown_Click(); }},

    {"cmdFileLookUp", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.mergePage().cmdFileLookUp_Click(); }},
    {"cmdMerge", Event::Click,
     [](frmMain& f, const MouseEvent&) { f.mergePage().cmdMerge_Click(); }},
};

}  // namespace

frmMain::frmMain(kelvane::Toolkit& toolkit, Services services)
    : window_(toolkit.Build(frmMainDesign())),
      txtTartgetPath(window_->TextBoxNamed("txtTartgetPath")),
      myDrive(window_->DriveListNamed("myDrive")),
      myFolders(window_->FolderListNamed("myFolders")),
      fileList(window_->FileListNamed("fileList")),
      lstFileSelect(window_->ListNamed("lstFileSelect")),
      txtFileType(window_->TextBoxNamed("txtFileType")),
      lstFileType(window_->ListNamed("lstFileType")),
      openDocument_(std::move(services.openDocument)),
      showAbout_(std::move(services.showAbout)) {
    if (services.msgBox == nullptr) {
        ownMsgBox_ = toolkit.MakeMsgBox(window_.get());
        services.msgBox = ownMsgBox_.get();
    }
    if (services.saveDialog == nullptr) {
        ownSaveDialog_ = toolkit.MakeSaveDialog(window_.get());
        services.saveDialog = ownSaveDialog_.get();
    }
    msgBox_ = services.msgBox;
    comdlg_ = services.saveDialog;
    if (!openDocument_) {
        openDocument_ = OpenDocument;
    }
    if (!showAbout_) {
        showAbout_ = [&toolkit] {
            frmAbout about(toolkit);  // loaded afresh for each showing, unloaded when it closes
            about.Show();
        };
    }

    ShowStartFolder();
    fileTypes_ = std::make_unique<kelvane::FileTypeList>(lstFileType, txtFileType, *msgBox_);
    sourceSelection_ = std::make_unique<kelvane::SourceSelection>(myDrive, myFolders, fileList,
                                                                  lstFileSelect, lstFileType);
    mergeOrder_ = std::make_unique<kelvane::MergeOrder>(lstFileSelect);
    mergePage_ = std::make_unique<kelvane::MergePage>(txtTartgetPath, myFolders, lstFileSelect,
                                                      *comdlg_, *msgBox_);
    Wire();

    // The load event.
    Init();
}

frmMain::~frmMain() = default;

void frmMain::ShowStartFolder() {
    // The lists start at the process's current folder, as they do by themselves.
    std::string start;
    RunProcedure([&] { start = kelvane::CurrentFolder(); });
    if (start.empty()) {
        return;
    }
    RunProcedure([&] { myDrive.SetDrive(start); });
    RunProcedure([&] { myFolders.SetPath(start); });
    RunProcedure([&] { fileList.SetPath(myFolders.Path()); });
}

void frmMain::Wire() {
    for (const Wiring& wiring : kWiring) {
        window_->On(wiring.control, wiring.event, [this, &wiring](const MouseEvent& mouse) {
            RunProcedure(wiring.control, wiring.event, [&] { wiring.procedure(*this, mouse); });
        });
    }
}

void frmMain::Init() {
    kelvane::MergePage::ConfigureSaveDialog(*comdlg_);
    fileTypes_->AddDefaults();
}

void frmMain::mnuFileExit_Click() {
    window_->Unload();
}

void frmMain::cmdClose_Click() {
    mnuFileExit_Click();
}

void frmMain::mnuHelpAbout_Click() {
    showAbout_();
}

void frmMain::mnuHelpHelp_Click() {
    openDocument_(*window_, "help.pdf");
}
