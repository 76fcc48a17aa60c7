#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/platformfiles.h"

namespace kelvane {

// Where the running program's own file lies, and the folder it runs in.
class ProgramLocation {
  public:
    virtual ~ProgramLocation() = default;

    // The full path of the program's executable file; empty when the system can't tell.
    virtual std::string ProgramPath() = 0;

    // The full path of the process's current folder; empty when the system can't tell.
    virtual std::string CurrentFolder();
};

// Hands a document to the program the platform associates with its type.
class DocumentShell {
  public:
    virtual ~DocumentShell() = default;

    // Asks for `document` to be opened on behalf of the window whose native handle is `owner`
    // (0 for none) and returns without waiting: the opening program runs on its own. A
    // relative path is taken from the current folder. Nothing is reported.
    virtual void Open(std::uintptr_t owner, const std::string& document) = 0;
};

// What opening a document works through.
struct DocumentServices {
    PlatformFiles* files = nullptr;
    std::unique_ptr<ProgramLocation> location;
    std::unique_ptr<DocumentShell> shell;
};

// The services of the platform the program runs on. On Windows: the module's file name, the
// current directory and the shell's "Open". Elsewhere: /proc/self/exe and xdg-open, found on PATH
// and started directly, with no shell between.
DocumentServices PlatformDocumentServices();

}  // namespace kelvane
