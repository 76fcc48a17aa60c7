// The platform's file API, tried for real (under wine when cross-built): the cases every
// platform answers alike, with the platform's own entries where its file system differs.
#include "engine/platformfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platformfilestest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

enum class Found { Nothing, File, Folder };

// IsFile holds for files alone; LookUp tells a file, a folder, or that nothing is there.
TEST(PlatformFiles, IsFileHoldsForFilesAloneAsLookUpTells) {
    TempFolder dir;
    const std::string file = dir.Write("a.txt", "x");
    const std::string readOnly = dir.Write("r.txt", "x");
    fs::permissions(test::Utf8Path(readOnly), fs::perms::owner_read);
    const struct {
        std::string path;
        Found found;
    } cases[] = {
        {file, Found::File},
        {dir.Write("empty.txt", ""), Found::File},
        {dir.Text() + "/a.txt", Found::File},
        {readOnly, Found::File},
        {dir.MakeFolder("sub.txt"), Found::Folder},
        {test::Utf8Text(dir.Path().root_path()), Found::Folder},
        {dir.At("missing.txt"), Found::Nothing},
        {dir.At("none/a.txt"), Found::Nothing},
        {file + "/a", Found::Nothing},
        {dir.At("a?.txt"), Found::Nothing},
        {"", Found::Nothing},
    };
    PlatformFiles& files = NativeFiles();
    for (const auto& c : cases) {
        EXPECT_EQ(files.IsFile(c.path), c.found == Found::File) << c.path;
        const auto status = files.LookUp(c.path);
        EXPECT_EQ(status ? (status->folder ? Found::Folder : Found::File) : Found::Nothing, c.found)
            << c.path;
    }
    fs::permissions(test::Utf8Path(readOnly), fs::perms::owner_all);  // so that it can go
}

// Many names looked up together, from a listing of the folder, tell what each lookup by name
// would: files, folders, entries of the platform's own kinds, other spellings of a name,
// missing names and names given twice. The identities come from the listing, so they must be a
// lookup's.
TEST(PlatformFiles, LookingUpManyNamesAgreesWithLookingUpEach) {
    TempFolder dir;
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) {
        names.push_back("\u65E5\u672C " + std::to_string(i) + ".txt");
        dir.Write(names.back(), "x");
    }
    dir.MakeFolder("folder.txt");
    dir.Write("a.txt", "x");
    names.insert(names.end(),
                 {"folder.txt", "a.txt", "none.txt", "folder.txt/../a.txt", names[3], "a.txt"});
    const test::OddNames odd = test::MakeOddNames(dir);
    names.insert(names.end(), odd.others.begin(), odd.others.end());
    names.insert(names.end(), odd.spellingsOfA.begin(), odd.spellingsOfA.end());
    PlatformFiles& files = NativeFiles();
    const std::string folder = dir.Text() + "/";
    const auto found = files.Folder(folder)->LookUp(names);
    ASSERT_EQ(found.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(found[i], files.LookUp(folder + names[i])) << names[i];
    }
    EXPECT_TRUE(found[0].has_value() && !found[0]->folder && found[0]->identity.has_value());
    EXPECT_NE(found[0], found[21]);
    char byte = 0;
    EXPECT_EQ(files.Folder(folder)->Open("a.txt")->Read(&byte, 1), 1U);
    EXPECT_TRUE(found[20].has_value() && found[20]->folder);
    EXPECT_FALSE(found[22].has_value());
    for (std::size_t i = names.size() - odd.spellingsOfA.size(); i < names.size(); ++i) {
        EXPECT_EQ(found[i], found[21]) << names[i];
    }
}

// Cutting a file to the length it has already changes nothing, not even its time stamps.
TEST(PlatformFiles, CuttingAFileToItsLengthKeepsItsTimeStamps) {
    TempFolder dir;
    const std::string path = dir.Write("t.txt", "kept\r\n");
    const auto old = std::chrono::floor<std::chrono::seconds>(
        fs::last_write_time(test::Utf8Path(path)) - std::chrono::hours(24 * 400));
    fs::last_write_time(test::Utf8Path(path), old);
    auto file = NativeFiles().Open(path, PlatformFiles::Access::Write, false);
    EXPECT_TRUE(file->Truncate(6));
    file->Close();
    EXPECT_EQ(fs::last_write_time(test::Utf8Path(path)), old);
    EXPECT_EQ(dir.Read("t.txt"), "kept\r\n");
}

}  // namespace
}  // namespace kelvane
