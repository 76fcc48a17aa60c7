#pragma once

#include "widgets/form.h"

namespace kelvane {

// The maker's address, shown on its own line at the end of the description.
inline constexpr char kMakerAddress[] = "www.kelvane.example";

// The load event of the About dialog: its caption and the texts of its three labels.
void LoadAboutBox(Form& frmAbout);

}  // namespace kelvane
