#include "sysinfolauncher.h"

#include <exception>
#include <optional>
#include <string>

namespace kelvane {

SysInfoLauncher::SysInfoLauncher(SysInfoLocator& locator, ProgramStarter& starter, MsgBox& msgBox)
    : locator_(locator), starter_(starter), msgBox_(msgBox) {}

void SysInfoLauncher::StartSysInfo() {
    try {
        const std::optional<std::string> program = locator_.LocateSysInfo();
        if (program && starter_.Start(*program)) {
            return;
        }
    } catch (const std::exception&) {
        // Every failure ends in the one message below.
    }
    msgBox_.Show(kSysInfoUnavailable, MsgBox::Style::Plain, "");
}

}  // namespace kelvane
