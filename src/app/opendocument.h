#pragma once

#include <string>

#include "widgets/form.h"

// Opens `document` with the program the platform associates with its type, as an independent
// process. A relative path is taken from the process's current directory. No shell command line
// is built. Nothing is reported: a missing document or a refused request passes silently.
// `form` is the window asking.
void OpenDocument(kelvane::Form& form, const std::string& document);
