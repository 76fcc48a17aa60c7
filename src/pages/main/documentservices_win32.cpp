#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <vector>

#include "base/widetext.h"
#include "documentservices.h"

namespace kelvane {

namespace {

class ModuleLocation : public ProgramLocation {
  public:
    std::string ProgramPath() override {
        std::vector<wchar_t> buffer(MAX_PATH + 1);
        for (;;) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
            if (length == 0) {
                return {};
            }
            // A name that doesn't fit fills the whole buffer.
            if (length < size) {
                return FromWide(std::wstring_view(buffer.data(), length));
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
        // A name that isn't exact text names no document; like every other document that
        // can't be opened, it passes silently. The shell's answer is not examined either.
        const std::optional<std::wstring> file = ToWide(document);
        if (file) {
            ShellExecuteW(reinterpret_cast<HWND>(owner), L"Open", file->c_str(), nullptr, nullptr,
                          SW_SHOWNORMAL);
        }
    }
};

}  // namespace

DocumentServices PlatformDocumentServices() {
    return {&NativeFiles(), std::make_unique<ModuleLocation>(),
            std::make_unique<ShellExecuteShell>()};
}

}  // namespace kelvane
