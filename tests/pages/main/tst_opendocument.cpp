// Which file the document opener hands to the platform, through doubles of the file system,
// the program's location and the shell.
#include "pages/main/opendocument.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/pathname.h"
#include "engine/fileerror.h"
#include "fakewindow.h"

namespace kelvane {
namespace {

// The tables write paths with '/'; Windows takes them with its own separator.
std::string Native(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = kFolderSeparator;
        }
    }
    return path;
}

struct FakeFiles : PlatformFiles {
    bool IsFile(const std::string& path) override { return files.count(path) > 0; }
    std::optional<FileStatus> LookUp(const std::string& path) override {
        throw FileError("nothing is looked up here: " + path);
    }
    std::unique_ptr<PlatformFile> Open(const std::string& path, Access, bool) override {
        throw FileError("no file is opened here: " + path);
    }

    std::set<std::string> files;
};

struct FakeLocation : ProgramLocation {
    FakeLocation(std::string p, std::string c) : program(std::move(p)), current(std::move(c)) {}
    std::string program;
    std::string current;
    std::string ProgramPath() override { return program; }
    std::string CurrentFolder() override { return current; }
};

using Opened = std::vector<std::pair<std::uintptr_t, std::string>>;  // owner and document

struct RecordingShell : DocumentShell {
    void Open(std::uintptr_t owner, const std::string& document) override {
        opened.emplace_back(owner, document);
    }
    Opened opened;
};

constexpr char kProgram[] = "/opt/kelvane/bin/kelvane-merger";
constexpr char kDocs[] = "../share/kelvane-merger";
constexpr char kInstalled[] = "/opt/kelvane/share/kelvane-merger/help.pdf";
constexpr char kCurrent[] = "/home/user/start";

struct ChoiceCase {
    const char* name;
    std::string document;
    std::vector<std::string> files;  // what exists
    std::string program;
    std::string docsFromProgram;
    std::string expected;  // '/'-separated; empty for nothing
    std::string current = kCurrent;
};

// clang-format off
const ChoiceCase kChoices[] = {
    // Named in full: the shell looks for a bare name in the program's folder first.
    {"CurrentFolderFirst", "help.pdf", {"help.pdf", kInstalled}, kProgram, kDocs,
     "/home/user/start/help.pdf"},
    {"CurrentFolderAtTheRoot", "help.pdf", {"help.pdf"}, kProgram, kDocs, "/help.pdf", "/"},
    {"CurrentFolderUnknownTakesTheInstalledCopy", "help.pdf", {"help.pdf", kInstalled}, kProgram,
     kDocs, kInstalled, ""},
    {"InstalledCopyWhenNotInTheCurrentFolder", "help.pdf", {kInstalled}, kProgram, kDocs,
     kInstalled},
    {"NeitherOpensNothing", "help.pdf", {}, kProgram, kDocs, ""},
    {"CopyNextToTheProgram", "help.pdf", {"/opt/kelvane/bin/help.pdf", kInstalled}, kProgram, "",
     "/opt/kelvane/bin/help.pdf"},
    {"FolderAndBlanksOfTheDocumentKept", "guides/user help.pdf",
     {"/opt/kelvane/share/kelvane-merger/guides/user help.pdf"}, kProgram, kDocs,
     "/opt/kelvane/share/kelvane-merger/guides/user help.pdf"},
    {"ProgramAtTheRoot", "help.pdf", {"/share/kelvane-merger/help.pdf"}, "/kelvane-merger", kDocs,
     "/share/kelvane-merger/help.pdf"},
    {"ProgramAtTheRootWithTheGuideBesideIt", "help.pdf", {"/help.pdf"}, "/kelvane-merger", "",
     "/help.pdf"},
    {"UnknownProgramLocation", "help.pdf", {kInstalled}, "", kDocs, ""},
    {"FullPathIsOnlyLookedForThere", "/home/user/help.pdf", {"/home/user/help.pdf"}, kProgram,
     kDocs, "/home/user/help.pdf"},
    // A full path has no installed copy, nor one in the current folder.
    {"AMissingFullPathIsNotLookedForElsewhere", "/home/user/help.pdf",
     {"/home/user/start/help.pdf", "/opt/kelvane/share/kelvane-merger//home/user/help.pdf"},
     kProgram, kDocs, ""},
};
// clang-format on

// The shell is asked to open the chosen file, owned by the window; or nothing is asked.
TEST(DocumentChoice, OpensTheChosenFileOwnedByTheWindow) {
    for (const ChoiceCase& c : kChoices) {
        SCOPED_TRACE(c.name);
        FakeFiles files;
        for (const auto& file : c.files) {
            files.files.insert(Native(file));
        }
        auto shell = std::make_unique<RecordingShell>();
        const Opened& opened = shell->opened;
        DocumentServices services{
            &files, std::make_unique<FakeLocation>(Native(c.program), Native(c.current)),
            std::move(shell)};
        test::FakeWindow form;
        form.handle = 0x5150;
        OpenDocumentWith(form, Native(c.document), services, c.docsFromProgram);
        EXPECT_EQ(opened, (c.expected.empty() ? Opened{} : Opened{{0x5150, Native(c.expected)}}));
    }
}

}  // namespace
}  // namespace kelvane
