#include "frmmain.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <filesystem>
#include <system_error>

#include "appicons.h"
#include "filetypes/filetypelist.h"
#include "frmabout.h"
#include "merge/mergerun.h"
#include "opendocument.h"
#include "selection/mergeorder.h"
#include "selection/sourceselection.h"
#include "twips.h"
#include "widgets/application.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtdrivelist.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtform.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qtmsgbox.h"
#include "widgets/qt/qtsavedialog.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/qt/tabcontrol.h"

using kelvane::qt::CommandButton;
using kelvane::qt::QtListWidget;
using kelvane::qt::QtTextBox;
using kelvane::qt::TabControl;

namespace {

using twips::Face;
using twips::Place;
using twips::Px;

// A control on a page of the tab control, placed in the tab control's own coordinates.
void PlaceOnPage(QWidget* control, int left, int top, int width, int height) {
    const QPoint at = TabControl::PagePos(Px(left), Px(top));
    control->setGeometry(at.x(), at.y(), Px(width), Px(height));
}

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Runs one event's procedure. The procedures handle their own failures; anything that still
// escapes stops here rather than in Qt's event loop.
template <typename Procedure>
void Run(Procedure&& procedure) {
    try {
        procedure();
    } catch (...) {
    }
}

void ShowNewAbout() {
    frmAbout about;  // loaded afresh for each showing, unloaded when it closes
    about.ShowModal();
}

}  // namespace

frmMain::frmMain(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      openDocument_(std::move(services.openDocument)),
      showAbout_(std::move(services.showAbout)) {
    setObjectName("frmMain");
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    setWindowTitle(QString::fromLatin1(kelvane::kAppTitle));
    setWindowIcon(AppIcon());
    setFont(Face("MS Sans Serif", 8.25, false));
    form_ = new kelvane::qt::QtForm(this);

    if (services.msgBox == nullptr) {
        ownMsgBox_ = std::make_unique<kelvane::qt::QtMsgBox>(this);
        services.msgBox = ownMsgBox_.get();
    }
    if (services.saveDialog == nullptr) {
        ownSaveDialog_ = std::make_unique<kelvane::qt::QtSaveDialog>(this);
        services.saveDialog = ownSaveDialog_.get();
    }
    msgBox_ = services.msgBox;
    comdlg_ = services.saveDialog;
    if (!openDocument_) {
        openDocument_ = OpenDocument;
    }
    if (!showAbout_) {
        showAbout_ = ShowNewAbout;
    }

    CreateMenus();
    CreateControls();
    SetTabOrder();
    ShowStartFolder();

    fileTypes_ = std::make_unique<kelvane::FileTypeList>(*lstFileType, *txtFileType, *msgBox_);
    sourceSelection_ = std::make_unique<kelvane::SourceSelection>(*myDrive, *myFolders, *fileList,
                                                                  *lstFileSelect, *lstFileType);
    mergeOrder_ = std::make_unique<kelvane::MergeOrder>(*lstFileSelect);
    mergeRun_ = std::make_unique<kelvane::MergeRun>(*txtTartgetPath, *myFolders, *lstFileSelect,
                                                    *comdlg_, *msgBox_);
    Wire();

    // The load event.
    Init();
    cmdClose->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::CreateMenus() {
    mnuFile = Named(menuBar()->addMenu(tr("&File")), "mnuFile");
    mnuFileExit = Named(mnuFile->addAction(tr("E&xit")), "mnuFileExit");
    mnuHelp = Named(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    mnuHelpAbout = Named(mnuHelp->addAction(tr("&About")), "mnuHelpAbout");
    mnuHelpSep1 = Named(mnuHelp->addSeparator(), "mnuHelpSep1");
    mnuHelpHelp = Named(mnuHelp->addAction(tr("Help")), "mnuHelpHelp");
}

void frmMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Px(9015), Px(6165));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = Named(new QLabel(QString::fromLatin1("This utility will merge given files into one "
                                                  "file.  Ideal for Data files and SQL script "
                                                  "merging"),
                              client),
                   "Label1");
    Place(Label1, 180, 0, 7575, 195);
    Label1->setFont(Face("MS Sans Serif", 8.25, true));
    QPalette darkRed = Label1->palette();
    darkRed.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label1->setPalette(darkRed);

    Label2 = Named(new QLabel(tr("Target file path"), client), "Label2");
    Place(Label2, 180, 360, 1335, 315);

    txtTartgetPath = Named(new QtTextBox(client), "txtTartgetPath");
    Place(txtTartgetPath, 1500, 300, 6555, 315);
    txtTartgetPath->setToolTip(tr("give the target file name"));

    cmdFileLookUp = Named(new CommandButton(tr("..."), client), "cmdFileLookUp");
    Place(cmdFileLookUp, 8160, 300, 375, 315);
    cmdFileLookUp->setToolTip(tr("Browse the target file location"));
    cmdFileLookUp->setFont(Face("MS Sans Serif", 9.75, true));

    SSTab1 = Named(new TabControl(client), "SSTab1");
    Place(SSTab1, 60, 720, 8895, 4935);
    QWidget* files = Named(SSTab1->AddPage(tr("Text Files")), "pageTextFiles");
    QWidget* options = Named(SSTab1->AddPage(tr("Options")), "pageOptions");
    SSTab1->SetCurrentPage(0);

    cmdMerge = Named(new CommandButton(tr("&Merge files"), client), "cmdMerge");
    Place(cmdMerge, 5580, 5760, 1635, 375);
    cmdMerge->setToolTip(tr("Merge the selected file"));
    cmdMerge->setFont(Face("Arial", 8.25, true));

    cmdClose = Named(new CommandButton(tr("Close"), client), "cmdClose");
    Place(cmdClose, 7620, 5760, 1335, 375);
    cmdClose->setToolTip(tr("Close the application"));
    cmdClose->setFont(Face("Arial", 8.25, true));

    // Page "Text Files": where the files are, which files the folder holds, the merge list.
    const QFont heading = Face("MS Sans Serif", 9.75, true);
    Label4 = Named(new QLabel(tr("Source file path"), files), "Label4");
    PlaceOnPage(Label4, 180, 420, 2415, 255);
    Label4->setFont(heading);

    myFolders = Named(new kelvane::qt::QtFolderList(files), "myFolders");
    PlaceOnPage(myFolders, 120, 765, 2835, 3915);
    myFolders->setToolTip(tr("Select the folder where the files to be merged available"));
    myFolders->SetCoveredTop(Px(720 + 315) - Px(765));

    myDrive = Named(new kelvane::qt::QtDriveList(files), "myDrive");
    PlaceOnPage(myDrive, 120, 720, 2835, 315);
    myDrive->setToolTip(tr("Select the drive"));
    myDrive->raise();  // drawn over the folder list's covered top edge

    Label5 = Named(new QLabel(tr("Available Files"), files), "Label5");
    PlaceOnPage(Label5, 3060, 420, 2055, 255);
    Label5->setFont(heading);

    fileList = Named(new kelvane::qt::QtFileList(files), "fileList");
    PlaceOnPage(fileList, 3000, 690, 2655, 3990);
    fileList->setToolTip(
        tr("All files in the selected folder. Multi-select the files you want to merge. If the "
           "files do not have the given extension in the options tab, they will not be "
           "selected"));

    Label6 = Named(new QLabel(tr("Files to merge"), files), "Label6");
    PlaceOnPage(Label6, 5700, 420, 2535, 255);
    Label6->setFont(heading);

    lstFileSelect =
        Named(new QtListWidget(QtListWidget::Style::SingleSelection, files), "lstFileSelect");
    PlaceOnPage(lstFileSelect, 5700, 720, 2595, 3960);
    lstFileSelect->setToolTip(tr("Selected files for merging"));

    const QSize arrowSize(Px(375) - 6, Px(375) - 6);
    cmdUp = Named(new CommandButton(QString(), files), "cmdUp");
    PlaceOnPage(cmdUp, 8400, 1980, 375, 435);
    cmdUp->setToolTip(tr("Move the files UP one position"));
    cmdUp->setFont(heading);
    cmdUp->setIcon(UpArrowIcon());
    cmdUp->setIconSize(arrowSize);

    cmdDown = Named(new CommandButton(QString(), files), "cmdDown");
    PlaceOnPage(cmdDown, 8400, 2460, 375, 435);
    cmdDown->setToolTip(tr("Move the files DOWN one position"));
    cmdDown->setFont(heading);
    cmdDown->setIcon(DownArrowIcon());
    cmdDown->setIconSize(arrowSize);

    // Page "Options": the accepted file types.
    Frame1 = Named(new QFrame(options), "Frame1");
    PlaceOnPage(Frame1, 2400, 360, 4455, 4215);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Label3 = Named(new QLabel(tr("Text file type (i.e. \"TXT\")"), Frame1), "Label3");
    Place(Label3, 180, 840, 1935, 315);

    txtFileType = Named(new QtTextBox(Frame1), "txtFileType");
    Place(txtFileType, 2100, 780, 735, 315);
    txtFileType->SetMaxLength(4);

    cmdClear = Named(new CommandButton(tr("C&lear"), Frame1), "cmdClear");
    Place(cmdClear, 2940, 180, 1155, 375);
    cmdClear->setToolTip(tr("This will cear the File Type text box"));

    cmdAddFileType = Named(new CommandButton(tr("&Add to List"), Frame1), "cmdAddFileType");
    Place(cmdAddFileType, 2940, 600, 1155, 555);
    cmdAddFileType->setToolTip(tr("This will add the file type in the text box into the list"));

    lstFileType = Named(new QtListWidget(QtListWidget::Style::CheckBox, Frame1), "lstFileType");
    Place(lstFileType, 300, 1260, 3855, 2310);

    cmdLearList = Named(new CommandButton(tr("Cl&ear List"), Frame1), "cmdLearList");
    Place(cmdLearList, 1500, 3720, 1155, 375);
    cmdLearList->setToolTip(tr("Clicking this will clear all items in the list"));

    cmdDelete = Named(new CommandButton(tr("&Delete from List"), Frame1), "cmdDelete");
    Place(cmdDelete, 2760, 3720, 1335, 375);
    cmdDelete->setToolTip(
        tr("Clicking this button will remove the selected file type in the list"));
}

void frmMain::SetTabOrder() {
    QWidget* const order[] = {cmdClose, txtTartgetPath, cmdFileLookUp, SSTab1->TabBar(), myFolders,
                              myDrive,  lstFileSelect,  cmdUp,         fileList,         cmdMerge,
                              cmdDown,  lstFileType,    txtFileType,   cmdAddFileType,   cmdDelete,
                              cmdClear, cmdLearList};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void frmMain::ShowStartFolder() {
    std::error_code error;
    const std::string start = std::filesystem::current_path(error).string();
    if (error) {
        return;
    }
    Run([&] { myDrive->SetDrive(start); });
    Run([&] { myFolders->SetPath(start); });
    Run([&] { fileList->SetPath(myFolders->Path()); });
}

void frmMain::Wire() {
    using kelvane::MouseEvent;
    connect(mnuFileExit, &QAction::triggered, this,
            [this] { Run([this] { mnuFileExit_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Run([this] { cmdClose_Click(); }); });
    connect(mnuHelpAbout, &QAction::triggered, this,
            [this] { Run([this] { mnuHelpAbout_Click(); }); });
    connect(mnuHelpHelp, &QAction::triggered, this,
            [this] { Run([this] { mnuHelpHelp_Click(); }); });

    kelvane::FileTypeList& types = *fileTypes_;
    connect(txtFileType, &QtTextBox::LostFocus, this,
            [&types] { Run([&types] { types.txtFileType_LostFocus(); }); });
    connect(cmdAddFileType, &QPushButton::clicked, this,
            [&types] { Run([&types] { types.cmdAddFileType_Click(); }); });
    connect(cmdDelete, &QPushButton::clicked, this,
            [&types] { Run([&types] { types.cmdDelete_Click(); }); });
    connect(cmdLearList, &QPushButton::clicked, this,
            [&types] { Run([&types] { types.cmdLearList_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this,
            [&types] { Run([&types] { types.cmdClear_Click(); }); });

    kelvane::SourceSelection& source = *sourceSelection_;
    connect(myDrive, &kelvane::qt::QtDriveList::Change, this,
            [&source] { Run([&source] { source.myDrive_Change(); }); });
    connect(myFolders, &kelvane::qt::QtFolderList::Change, this,
            [&source] { Run([&source] { source.myFolders_Change(); }); });
    connect(fileList, &kelvane::qt::QtFileList::MouseUp, this, [&source](const MouseEvent& event) {
        Run([&source, &event] { source.fileList_MouseUp(event); });
    });

    kelvane::MergeOrder& order = *mergeOrder_;
    connect(lstFileSelect, &QtListWidget::MouseDown, this, [&order](const MouseEvent& event) {
        Run([&order, &event] { order.lstFileSelect_MouseDown(event); });
    });
    connect(lstFileSelect, &QtListWidget::MouseUp, this, [&order](const MouseEvent& event) {
        Run([&order, &event] { order.lstFileSelect_MouseUp(event); });
    });
    connect(cmdUp, &QPushButton::clicked, this,
            [&order] { Run([&order] { order.cmdUp_Click(); }); });
    connect(cmdDown, &QPushButton::clicked, this,
            [&order] { Run([&order] { order.cmdDown_Click(); }); });

    kelvane::MergeRun& merge = *mergeRun_;
    connect(cmdFileLookUp, &QPushButton::clicked, this,
            [&merge] { Run([&merge] { merge.cmdFileLookUp_Click(); }); });
    connect(cmdMerge, &QPushButton::clicked, this,
            [&merge] { Run([&merge] { merge.cmdMerge_Click(); }); });
}

void frmMain::Init() {
    kelvane::MergeRun::ConfigureSaveDialog(*comdlg_);
    fileTypes_->AddDefaults();
}

void frmMain::mnuFileExit_Click() {
    Unload();
}

void frmMain::cmdClose_Click() {
    mnuFileExit_Click();
}

void frmMain::mnuHelpAbout_Click() {
    showAbout_();
}

void frmMain::mnuHelpHelp_Click() {
    openDocument_(*this, "help.pdf");
}

std::string frmMain::Caption() const {
    return form_->Caption();
}

void frmMain::SetCaption(const std::string& caption) {
    form_->SetCaption(caption);
}

std::string frmMain::LabelCaption(const std::string& label) const {
    return form_->LabelCaption(label);
}

void frmMain::SetLabelCaption(const std::string& label, const std::string& caption) {
    form_->SetLabelCaption(label, caption);
}

void frmMain::ShowModal() {
    form_->ShowModal();
}

void frmMain::Unload() {
    close();
}

std::uintptr_t frmMain::NativeHandle() const {
    return form_->NativeHandle();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing is saved.
    event->accept();
    QMainWindow::closeEvent(event);
    emit Unloaded();
}
