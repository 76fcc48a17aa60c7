#include "aboutbox.h"

#include <string>

#include "kelvane-version.h"
#include "widgets/application.h"

namespace kelvane {

namespace {

constexpr char kDescriptionFirst[] =
    "Kelvane Text File merger is a useful tool to merge text files in windows environment. ";
constexpr char kDescriptionSecond[] =
    "Just put the text files to be merged in one folder and give the target file name. The "
    "application looks after the rest!";
constexpr char kLineBreak = '\n';

// The program's version: its build project's, the one version of every package too.
constexpr int kVersionMajor = KELVANE_VERSION_MAJOR;
constexpr int kVersionMinor = KELVANE_VERSION_MINOR;
constexpr int kVersionRevision = KELVANE_VERSION_PATCH;

}  // namespace

void LoadAboutBox(Form& frmAbout) {
    frmAbout.SetCaption(std::string("About ") + kAppTitle);
    frmAbout.SetLabelCaption("lblVersion", "Version " + std::to_string(kVersionMajor) + "." +
                                               std::to_string(kVersionMinor) + "." +
                                               std::to_string(kVersionRevision));
    frmAbout.SetLabelCaption("lblTitle", kAppTitle);
    frmAbout.SetLabelCaption("lblDescription", std::string(kDescriptionFirst) + kDescriptionSecond +
                                                   kLineBreak + kLineBreak + " " + kMakerAddress);
}

}  // namespace kelvane
