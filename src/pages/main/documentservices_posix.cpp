#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "documentservices.h"
#include "pages/about/findonpath.h"
#include "pages/about/startdetached.h"
#include "widgets/folderreader.h"
#include "widgets/widgeterror.h"

namespace kelvane {

namespace {

class ProcLocation : public ProgramLocation {
  public:
    std::string ProgramPath() override {
        std::vector<char> buffer(256);
        for (;;) {
            const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
            if (length < 0) {
                return {};
            }
            if (static_cast<std::size_t>(length) < buffer.size()) {
                return std::string(buffer.data(), static_cast<std::size_t>(length));
            }
            buffer.resize(buffer.size() * 2);
        }
    }
};

// The current folder joined to a relative path; empty when the current folder can't be read.
std::string FromCurrentFolder(const std::string& path) {
    std::string full;
    try {
        full = CurrentFolder();
    } catch (const WidgetError&) {
        return {};
    }
    if (full.empty() || full.back() != '/') {
        full += '/';
    }
    return full + path;
}

class XdgOpenShell : public DocumentShell {
  public:
    void Open(std::uintptr_t /*owner*/, const std::string& document) override {
        if (document.empty()) {
            return;
        }
        const char* folders = std::getenv("PATH");
        const std::string opener = FindOnPath({"xdg-open"}, folders != nullptr ? folders : "");
        if (opener.empty()) {
            return;
        }
        // The opener is given a full path: a program it hands the document to may already run
        // in another folder, and a name that starts with '-' is never read as an option.
        const std::string full = document.front() == '/' ? document : FromCurrentFolder(document);
        if (!full.empty()) {
            StartDetached(opener, {full});
        }
    }
};

}  // namespace

DocumentServices PlatformDocumentServices() {
    return {&NativeFiles(), std::make_unique<ProcLocation>(), std::make_unique<XdgOpenShell>()};
}

}  // namespace kelvane
