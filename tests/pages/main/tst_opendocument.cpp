// Which file the document opener hands to the platform, through doubles of the file system,
// the program's location and the shell.
#include "pages/main/opendocument.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/pathname.h"
#include "engine/fileerror.h"
#include "fakeform.h"

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

class FakeFiles : public PlatformFiles {
  public:
    bool IsFile(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) > 0;
    }
    std::optional<FileStatus> LookUp(const std::string& path) override {
        throw FileError("nothing is looked up here: " + path);
    }
    std::unique_ptr<PlatformFile> Open(const std::string& path, Access, bool) override {
        throw FileError("no file is opened here: " + path);
    }

    std::set<std::string> files;
    std::vector<std::string> asked;
};

class FakeLocation : public ProgramLocation {
  public:
    std::string ProgramPath() override { return path; }
    std::string CurrentFolder() override { return current; }
    std::string path;
    std::string current;
};

class RecordingShell : public DocumentShell {
  public:
    void Open(std::uintptr_t owner, const std::string& document) override {
        opened.emplace_back(owner, document);
    }
    std::vector<std::pair<std::uintptr_t, std::string>> opened;
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

// Failures name the case.
void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class DocumentChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DocumentChoiceTest, ChoosesTheFileToOpen) {
    const ChoiceCase& c = GetParam();
    FakeFiles files;
    for (const auto& file : c.files) {
        files.files.insert(Native(file));
    }
    DocumentServices services{&files, std::make_unique<FakeLocation>(),
                              std::make_unique<RecordingShell>()};
    static_cast<FakeLocation&>(*services.location).path = Native(c.program);
    static_cast<FakeLocation&>(*services.location).current = Native(c.current);
    EXPECT_EQ(DocumentToOpen(Native(c.document), services, c.docsFromProgram),
              c.expected.empty() ? "" : Native(c.expected));
}

const ChoiceCase kChoices[] = {
    {"CurrentFolderFirst",
     "help.pdf",
     {"help.pdf", kInstalled},
     kProgram,
     kDocs,
     "/home/user/start/help.pdf"},
    // Named in full: the shell looks for a bare name in the program's folder first.
    {"CurrentFolderBeforeTheProgramFolder",
     "help.pdf",
     {"help.pdf", "C:/Program Files/Kelvane/help.pdf"},
     "C:/Program Files/Kelvane/kelvane-merger.exe",
     "",
     "C:/Users/me/Documents/help.pdf",
     "C:/Users/me/Documents"},
    {"CurrentFolderAtTheRoot", "help.pdf", {"help.pdf"}, kProgram, kDocs, "/help.pdf", "/"},
    {"CurrentFolderUnknownTakesTheInstalledCopy",
     "help.pdf",
     {"help.pdf", kInstalled},
     kProgram,
     kDocs,
     kInstalled,
     ""},
    {"InstalledCopyWhenNotInTheCurrentFolder",
     "help.pdf",
     {kInstalled},
     kProgram,
     kDocs,
     kInstalled},
    {"NeitherOpensNothing", "help.pdf", {}, kProgram, kDocs, ""},
    {"CopyNextToTheProgram",
     "help.pdf",
     {"/opt/kelvane/bin/help.pdf", kInstalled},
     kProgram,
     "",
     "/opt/kelvane/bin/help.pdf"},
    {"FolderAndBlanksOfTheDocumentKept",
     "guides/user help.pdf",
     {"/opt/kelvane/share/kelvane-merger/guides/user help.pdf"},
     kProgram,
     kDocs,
     "/opt/kelvane/share/kelvane-merger/guides/user help.pdf"},
    {"ProgramFolderWithBlanks",
     "help.pdf",
     {"C:/Program Files/Kelvane/help.pdf"},
     "C:/Program Files/Kelvane/kelvane-merger.exe",
     "",
     "C:/Program Files/Kelvane/help.pdf"},
    {"ProgramAtTheRoot",
     "help.pdf",
     {"/share/kelvane-merger/help.pdf"},
     "/kelvane-merger",
     kDocs,
     "/share/kelvane-merger/help.pdf"},
    {"ProgramAtTheRootWithTheGuideBesideIt",
     "help.pdf",
     {"/help.pdf"},
     "/kelvane-merger",
     "",
     "/help.pdf"},
    {"UnknownProgramLocation", "help.pdf", {kInstalled}, "", kDocs, ""},
    {"FullPathIsOnlyLookedForThere",
     "/home/user/help.pdf",
     {"/home/user/help.pdf"},
     kProgram,
     kDocs,
     "/home/user/help.pdf"},
};

INSTANTIATE_TEST_SUITE_P(Documents, DocumentChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& named) { return std::string(named.param.name); });

// A full path that isn't there has no installed copy: no other place is tried.
TEST(DocumentChoice, AMissingFullPathIsNotLookedForElsewhere) {
    FakeFiles files;
    DocumentServices services{&files, std::make_unique<FakeLocation>(),
                              std::make_unique<RecordingShell>()};
    static_cast<FakeLocation&>(*services.location).path = kProgram;
    EXPECT_EQ(DocumentToOpen(Native("/home/user/help.pdf"), services, kDocs), "");
    EXPECT_EQ(files.asked, std::vector<std::string>{Native("/home/user/help.pdf")});
}

class OpenDocumentTest : public ::testing::Test {
  protected:
    OpenDocumentTest() {
        auto location = std::make_unique<FakeLocation>();
        location->path = Native(kProgram);
        location->current = Native(kCurrent);
        auto recording = std::make_unique<RecordingShell>();
        shell = recording.get();
        services = {&files, std::move(location), std::move(recording)};
        form.handle = 0x5150;
    }

    FakeFiles files;
    RecordingShell* shell = nullptr;
    DocumentServices services;
    test::FakeForm form;
};

TEST_F(OpenDocumentTest, OpensTheChosenFileOwnedByTheWindow) {
    files.files.insert(Native(kInstalled));
    OpenDocumentWith(form, "help.pdf", services, kDocs);
    const std::vector<std::pair<std::uintptr_t, std::string>> expected{
        {0x5150, Native(kInstalled)}};
    EXPECT_EQ(shell->opened, expected);
}

TEST_F(OpenDocumentTest, NothingFoundAsksTheShellNothing) {
    OpenDocumentWith(form, "help.pdf", services, kDocs);
    EXPECT_TRUE(shell->opened.empty());
}

}  // namespace
}  // namespace kelvane
