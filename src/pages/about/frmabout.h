#pragma once

#include <memory>

#include "pages/about/sysinfoservices.h"
#include "widgets/msgbox.h"
#include "widgets/toolkit.h"
#include "widgets/window.h"

namespace kelvane {
class SysInfoLauncher;
}  // namespace kelvane

// The About dialog: the icon, the title, the version and the description, OK, and the System
// Info button that starts the platform's system-information program.
//
// A fixed-size modal dialog at a fixed place on the screen. OK is both its default and its
// cancel button and has the focus whenever the dialog shows; Esc and the close box close it as
// OK does.
class frmAbout {
  public:
    // The platform's system-information program and program start; the toolkit's message boxes.
    explicit frmAbout(kelvane::Toolkit& toolkit);
    // The launcher works through the given services and message box; tests pass doubles.
    frmAbout(kelvane::Toolkit& toolkit, kelvane::SysInfoLocator& locator,
             kelvane::ProgramStarter& starter, kelvane::MsgBox& msgBox);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    kelvane::Window& window() { return *window_; }

    // The load event: the caption and the texts of the three labels.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Loads the dialog afresh and shows it modally, with no owner; returns once it has closed.
    void Show();

  private:
    void Wire();

    std::unique_ptr<kelvane::Window> window_;
    kelvane::SysInfoServices ownServices_;
    std::unique_ptr<kelvane::MsgBox> ownMsgBox_;
    std::unique_ptr<kelvane::SysInfoLauncher> launcher_;
};
