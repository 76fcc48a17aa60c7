#pragma once

#include <string>
#include <string_view>

#include "pages/main/documentservices.h"
#include "widgets/form.h"

// Opens `document` with the program the platform associates with its type, as an independent
// process, on behalf of `form`, whose native handle owns what the platform shows. A relative
// path is taken from the process's current folder; when no such file is there, its copy
// installed with the program is opened instead. No shell command line is built. Nothing is
// reported: a missing document or a refused request passes silently.
void OpenDocument(kelvane::Form& form, const std::string& document);

namespace kelvane {

// The file OpenDocument hands to the platform for `document`, always as a full path: the
// document itself when a file of that path exists (a relative path from the current folder,
// joined to it); otherwise, for a relative path, its installed copy, `document` in the folder
// `docsFromProgram` relative to the folder of the running program ('/'-separated; ".." goes up
// a folder); otherwise the empty text.
std::string DocumentToOpen(const std::string& document, DocumentServices& services,
                           std::string_view docsFromProgram);

// OpenDocument through the given services, with the installed copy at `docsFromProgram`.
void OpenDocumentWith(Form& form, const std::string& document, DocumentServices& services,
                      std::string_view docsFromProgram);

}  // namespace kelvane
