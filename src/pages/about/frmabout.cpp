#include "frmabout.h"

#include "frmaboutdesign.h"
#include "pages/about/aboutbox.h"
#include "pages/about/sysinfolauncher.h"
#include "widgets/runprocedure.h"

using kelvane::Event;
using kelvane::MouseEvent;

frmAbout::frmAbout(kelvane::Toolkit& toolkit)
    : window_(toolkit.Build(frmAboutDesign())),
      ownServices_(kelvane::PlatformSysInfoServices()),
      ownMsgBox_(toolkit.MakeMsgBox(window_.get())),
      launcher_(std::make_unique<kelvane::SysInfoLauncher>(*ownServices_.locator,
                                                           *ownServices_.starter, *ownMsgBox_)) {
    Wire();
}

frmAbout::frmAbout(kelvane::Toolkit& toolkit, kelvane::SysInfoLocator& locator,
                   kelvane::ProgramStarter& starter, kelvane::MsgBox& msgBox)
    : window_(toolkit.Build(frmAboutDesign())),
      launcher_(std::make_unique<kelvane::SysInfoLauncher>(locator, starter, msgBox)) {
    Wire();
}

frmAbout::~frmAbout() = default;

void frmAbout::Wire() {
    window_->On("cmdOK", Event::Click, [this](const MouseEvent&) {
        RunProcedure("cmdOK", Event::Click, [this] { cmdOK_Click(); });
    });
    window_->On("cmdSysInfo", Event::Click, [this](const MouseEvent&) {
        RunProcedure("cmdSysInfo", Event::Click, [this] { cmdSysInfo_Click(); });
    });
}

void frmAbout::Form_Load() {
    kelvane::LoadAboutBox(*window_);
}

void frmAbout::cmdOK_Click() {
    window_->Unload();
}

void frmAbout::cmdSysInfo_Click() {
    launcher_->StartSysInfo();
}

void frmAbout::Show() {
    Form_Load();
    window_->ShowModal();
}
