#pragma once

#include "widgets/form.h"

namespace kelvane {

// The load event of the About dialog: its caption and the texts of its three labels.
void LoadAboutBox(Form& frmAbout);

}  // namespace kelvane
