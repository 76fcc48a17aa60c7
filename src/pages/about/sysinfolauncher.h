#pragma once

#include "pages/about/programstarter.h"
#include "pages/about/sysinfolocator.h"
#include "widgets/msgbox.h"

namespace kelvane {

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

// The About dialog's System Info button: starts the platform's system-information program
// where the locator finds one, or says that it is unavailable.
class SysInfoLauncher {
  public:
    SysInfoLauncher(SysInfoLocator& locator, ProgramStarter& starter, MsgBox& msgBox);

    // One launch: the program located now is started; when none is found, it can't be started
    // or anything on the way fails, one message says so.
    void StartSysInfo();

  private:
    SysInfoLocator& locator_;
    ProgramStarter& starter_;
    MsgBox& msgBox_;
};

}  // namespace kelvane
