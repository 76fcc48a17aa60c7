// The Windows services of the document opener, tried for real (under wine when cross-built):
// the module's own path, and the shell's Open on a program of the tests' own, which leaves a
// marker when started. The folders are named in scripts outside the ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/documentservices.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"
#include "widgets/widetext.h"

namespace kelvane {
namespace {

constexpr char kFolderName[] = "Ωmega 日本 ő";

std::string ReadText(const std::string& path) {
    std::ifstream in(test::Utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DocumentServicesWin32, ProgramPathIsThisTestProgram) {
    const std::string path = PlatformDocumentServices().location->ProgramPath();
    const std::string name = "\\tst_documentservices_win32.exe";
    ASSERT_GT(path.size(), name.size());
    EXPECT_EQ(path.substr(path.size() - name.size()), name) << path;
    const DWORD attributes = GetFileAttributesW(ToWide(path).value_or(L"").c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
}

// A relative document is taken from the current folder, as the Help command gives it.
TEST(DocumentServicesWin32, ShellOpensADocumentFromTheCurrentFolder) {
    test::TempFolder folder;
    const std::string current = folder.Text() + "\\" + kFolderName;
    std::filesystem::create_directory(test::Utf8Path(current));
    const std::string marker = test::CopyStartMarker(current + "\\user guide 中文.exe");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(test::Utf8Path(current));

    PlatformDocumentServices().shell->Open(0, "user guide 中文.exe");
    std::filesystem::current_path(saved);
    EXPECT_TRUE(test::WaitForFile(test::Utf8Path(marker)))
        << "the shell didn't open it in " << current;
}

// While it lives, the shell opens .pdf documents with `reader`; then the association is put
// back as it was.
class PdfReader {
  public:
    explicit PdfReader(const std::string& reader) {
        wchar_t type[256] = {};
        DWORD size = sizeof type;
        hadType_ = RegGetValueW(HKEY_CLASSES_ROOT, L".pdf", nullptr, RRF_RT_REG_SZ, nullptr, type,
                                &size) == ERROR_SUCCESS;
        savedType_ = type;
        Set(kClass + std::wstring(L"\\shell\\open\\command"),
            L"\"" + ToWide(reader).value() + L"\" \"%1\"");
        Set(L".pdf", kClass);
    }
    ~PdfReader() {
        if (hadType_) {
            Set(L".pdf", savedType_);
        } else {
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, L".pdf", nullptr);
        }
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kClass);
    }
    PdfReader(const PdfReader&) = delete;
    PdfReader& operator=(const PdfReader&) = delete;

  private:
    static constexpr wchar_t kClass[] = L"KelvaneTests.Guide";

    static void Set(const std::wstring& key, const std::wstring& text) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    bool hadType_ = false;
    std::wstring savedType_;
};

// Starts `program` with `current` as its current folder and waits for it to end.
void RunIn(const std::string& current, const std::string& program) {
    std::wstring commandLine = L"\"" + ToWide(program).value() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               ToWide(current).value().c_str(), &startup, &process))
        << program;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

class HelpFromTheProgramFolderTest : public ::testing::TestWithParam<bool> {};

// Help opens the guide beside the program, started in its own folder or in another one.
TEST_P(HelpFromTheProgramFolderTest, OpensTheGuideBesideTheProgram) {
    test::TempFolder folder;
    const std::string home = folder.Text() + "\\" + kFolderName;
    std::filesystem::create_directory(test::Utf8Path(home));
    std::filesystem::copy_file(test::Utf8Path(test::TestProgram("kelvane_helpprobe.exe")),
                               test::Utf8Path(home + "\\kelvane-merger.exe"));
    std::ofstream(test::Utf8Path(home + "\\help.pdf")) << "%PDF-1.4\n";
    const std::string marker = test::CopyStartMarker(folder.At("reader.exe"));
    PdfReader pdf(folder.At("reader.exe"));

    RunIn(GetParam() ? home : folder.MakeFolder("elsewhere"), home + "\\kelvane-merger.exe");
    ASSERT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "no document was opened";
    EXPECT_NE(ReadText(marker).find(home + "\\help.pdf"), std::string::npos) << ReadText(marker);
}

INSTANTIATE_TEST_SUITE_P(StartedInItsFolderOrNot, HelpFromTheProgramFolderTest, ::testing::Bool());

}  // namespace
}  // namespace kelvane
