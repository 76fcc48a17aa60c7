// Asks for help.pdf as the Help command does, with the program's own location, from wherever
// the test put this program. The document it would hand to the shell is written beside it, in
// "<program>.opened". The file check reads UTF-8 names.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/opendocument.h"
#include "fakeform.h"
#include "merge/fileerror.h"
#include "widgets/widetext.h"

namespace {

std::filesystem::path Utf8Path(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

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

class RecordingShell : public kelvane::DocumentShell {
  public:
    explicit RecordingShell(std::string record) : record_(std::move(record)) {}
    void Open(std::uintptr_t, const std::string& document) override {
        std::ofstream(Utf8Path(record_ + ".partial"), std::ios::binary) << document;
        std::filesystem::rename(Utf8Path(record_ + ".partial"), Utf8Path(record_));
    }

  private:
    std::string record_;
};

}  // namespace

int main() {
    kelvane::test::FakeForm form;
    WideFileCheck files;
    kelvane::DocumentServices services = kelvane::PlatformDocumentServices();
    services.files = &files;
    services.shell = std::make_unique<RecordingShell>(services.location->ProgramPath() + ".opened");
    kelvane::OpenDocumentWith(form, "help.pdf", services, "");
    return 0;
}
