#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "documentservices.h"

namespace kelvane {

namespace {

class ModuleLocation : public ProgramLocation {
  public:
    std::string ProgramPath() override {
        std::vector<char> buffer(MAX_PATH + 1);
        for (;;) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
            if (length == 0) {
                return {};
            }
            // A name that doesn't fit fills the whole buffer.
            if (length < size) {
                return std::string(buffer.data(), length);
            }
            if (buffer.size() >= 32768) {
                return {};
            }
            buffer.resize(buffer.size() * 2);
        }
    }
};

class ShellExecuteShell : public DocumentShell {
  public:
    void Open(std::uintptr_t owner, const std::string& document) override {
        // The answer is not examined: a document that can't be opened passes silently.
        ShellExecuteA(reinterpret_cast<HWND>(owner), "Open", document.c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
    }
};

}  // namespace

DocumentServices PlatformDocumentServices() {
    return {&NativeFiles(), std::make_unique<ModuleLocation>(),
            std::make_unique<ShellExecuteShell>()};
}

}  // namespace kelvane
