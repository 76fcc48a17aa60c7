#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "about/sysinfoservices.h"
#include "widgets/form.h"
#include "widgets/msgbox.h"

class QLabel;
class QPushButton;

namespace kelvane {
class SysInfoLauncher;
}  // namespace kelvane

namespace kelvane::qt {
class QtForm;
}  // namespace kelvane::qt

// The About dialog: the icon, the title, the version and the description, OK, and the System
// Info button that starts the platform's system-information program.
//
// A fixed-size modal dialog at a fixed place on the screen. OK is both its default and its
// cancel button and has the focus whenever the dialog shows. Every control is reachable by its
// control name, as a public member and through findChild<...>("name").
class frmAbout : public QDialog, public kelvane::Form {
    Q_OBJECT

  public:
    // The platform's registry, file lookup and program start; Qt message boxes.
    explicit frmAbout(QWidget* parent = nullptr);
    // The launcher works through the given services and message box; tests pass doubles.
    frmAbout(kelvane::Registry& registry, kelvane::FileLookup& files,
             kelvane::ProgramStarter& starter, kelvane::MsgBox& msgBox, QWidget* parent = nullptr);
    ~frmAbout() override;

    // The load event: the caption and the texts of the three labels.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& caption) override;
    // Loads the dialog afresh and shows it modally, with no owner; returns once it has closed.
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;

    QWidget* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QWidget* Line1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();

    kelvane::SysInfoServices ownServices_;
    std::unique_ptr<kelvane::MsgBox> ownMsgBox_;
    std::unique_ptr<kelvane::SysInfoLauncher> launcher_;
    kelvane::qt::QtForm* form_;
};
