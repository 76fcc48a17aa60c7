// Reading a folder on POSIX systems, whose names are bytes: they come back as they are.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tempfolder.h"
#include "widgets/folderreader.h"

namespace kelvane {
namespace {

TEST(FolderReaderPosix, KeepsTheExactBytesOfANameThatIsNotValidText) {
    test::TempFolder folder;
    const std::string raw = "caf\xE9.txt";  // Latin-1 e-acute: not valid UTF-8
    folder.Write(raw, "x");
    EXPECT_EQ(ReadFolder(folder.Text()).files, std::vector<std::string>{raw});
}

}  // namespace
}  // namespace kelvane
