#include "merge/platformfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "merge/fileerror.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

// A pipe that has taken the place of a listed file must not freeze the window at its opening.
TEST(PosixFiles, APipeNeitherBlocksReadingNorWriting) {
    test::TempFolder folder;
    const std::string pipe = folder.At("part1.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    PlatformFiles& files = NativeFiles();

    {
        auto source = files.Open(pipe, PlatformFiles::Access::Read, false);
        char byte = 0;
        EXPECT_EQ(source->Read(&byte, 1), 0U) << "no program writes to it: it reads as empty";
    }

    EXPECT_THROW(files.Open(pipe, PlatformFiles::Access::Write, true), FileError)
        << "no program reads from it";
}

}  // namespace
}  // namespace kelvane
