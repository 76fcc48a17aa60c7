#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "widgets/form.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;

namespace kelvane {
class FileTypeList;
class MergeOrder;
class MergeRun;
class SourceSelection;
}  // namespace kelvane

namespace kelvane::qt {
class CommandButton;
class QtDriveList;
class QtFileList;
class QtFolderList;
class QtForm;
class QtListWidget;
class QtTextBox;
class TabControl;
}  // namespace kelvane::qt

// What frmMain uses from outside; tests pass doubles. Every empty member means the real one.
struct frmMainServices {
    // Null for Qt message boxes owned by the window.
    kelvane::MsgBox* msgBox = nullptr;
    // Null for Qt's file dialog.
    kelvane::SaveDialog* saveDialog = nullptr;
    // Empty for OpenDocument.
    std::function<void(kelvane::Form&, const std::string&)> openDocument;
    // Empty for a new frmAbout shown modally each time.
    std::function<void()> showAbout;
};

// The main window: the target path, the two pages of the tab control, Merge and Close, and the
// menus. It owns every control and wires their events to the procedures of the logic classes.
// No exception from a procedure reaches Qt's event loop.
//
// Every control, menu and menu item is reachable by its control name both as a public member
// and through findChild<...>("name"). Tests pass doubles for the message boxes, the Save
// dialog, the document opener and the About dialog through Services.
class frmMain : public QMainWindow, public kelvane::Form {
    Q_OBJECT

  public:
    using Services = frmMainServices;

    explicit frmMain(Services services = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load event's procedure: the Save dialog's settings, then the default file types.
    void Init();

    void mnuFileExit_Click();
    void cmdClose_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& caption) override;
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;

    // The Save dialog (the injected one in tests) and the message boxes in use.
    kelvane::SaveDialog& comdlg() { return *comdlg_; }
    kelvane::MsgBox& msgBox() { return *msgBox_; }

    kelvane::FileTypeList& fileTypes() { return *fileTypes_; }
    kelvane::SourceSelection& sourceSelection() { return *sourceSelection_; }
    kelvane::MergeOrder& mergeOrder() { return *mergeOrder_; }
    kelvane::MergeRun& mergeRun() { return *mergeRun_; }

    // The controls, by control name.
    QLabel* Label1;
    QLabel* Label2;
    kelvane::qt::QtTextBox* txtTartgetPath;
    kelvane::qt::CommandButton* cmdFileLookUp;
    kelvane::qt::TabControl* SSTab1;
    kelvane::qt::CommandButton* cmdMerge;
    kelvane::qt::CommandButton* cmdClose;
    // page "Text Files"
    QLabel* Label4;
    kelvane::qt::QtDriveList* myDrive;
    kelvane::qt::QtFolderList* myFolders;
    QLabel* Label5;
    kelvane::qt::QtFileList* fileList;
    QLabel* Label6;
    kelvane::qt::QtListWidget* lstFileSelect;
    kelvane::qt::CommandButton* cmdUp;
    kelvane::qt::CommandButton* cmdDown;
    // page "Options"
    QFrame* Frame1;
    QLabel* Label3;
    kelvane::qt::QtTextBox* txtFileType;
    kelvane::qt::CommandButton* cmdClear;
    kelvane::qt::CommandButton* cmdAddFileType;
    kelvane::qt::QtListWidget* lstFileType;
    kelvane::qt::CommandButton* cmdLearList;
    kelvane::qt::CommandButton* cmdDelete;
    // menus
    QMenu* mnuFile;
    QAction* mnuFileExit;
    QMenu* mnuHelp;
    QAction* mnuHelpAbout;
    QAction* mnuHelpSep1;
    QAction* mnuHelpHelp;

  signals:
    // The window has been unloaded (Exit, Close or the close box).
    void Unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void SetTabOrder();
    void ShowStartFolder();
    void Wire();

    std::unique_ptr<kelvane::MsgBox> ownMsgBox_;
    std::unique_ptr<kelvane::SaveDialog> ownSaveDialog_;
    kelvane::MsgBox* msgBox_ = nullptr;
    kelvane::SaveDialog* comdlg_ = nullptr;
    std::function<void(kelvane::Form&, const std::string&)> openDocument_;
    std::function<void()> showAbout_;
    kelvane::qt::QtForm* form_ = nullptr;

    std::unique_ptr<kelvane::FileTypeList> fileTypes_;
    std::unique_ptr<kelvane::SourceSelection> sourceSelection_;
    std::unique_ptr<kelvane::MergeOrder> mergeOrder_;
    std::unique_ptr<kelvane::MergeRun> mergeRun_;
};
