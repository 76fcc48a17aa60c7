// Asks for help.pdf as the Help command does, through the program's own location and the
// shell's Open, from wherever the test put this program. The file check reads UTF-8 names.
#include <windows.h>

#include <optional>

#include "app/opendocument.h"
#include "fakeform.h"
#include "merge/fileerror.h"
#include "widgets/widetext.h"

namespace {

class WideFileCheck : public kelvane::PlatformFiles {
  public:
    bool IsFile(const std::string& path) override {
        const std::optional<std::wstring> wide = kelvane::ToWide(path);
        const DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::optional<kelvane::FileIdentity> Identity(const std::string&) override { return {}; }
    std::unique_ptr<kelvane::PlatformFile> Open(const std::string& path, Access, bool) override {
        throw kelvane::FileError("no file is opened here: " + path);
    }
};

}  // namespace

int main() {
    kelvane::test::FakeForm form;
    WideFileCheck files;
    kelvane::DocumentServices services = kelvane::PlatformDocumentServices();
    services.files = &files;
    kelvane::OpenDocumentWith(form, "help.pdf", services, "");
    return 0;
}
