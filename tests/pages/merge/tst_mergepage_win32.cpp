// Merge runs on Windows: a source whose name isn't exactly UTF-8.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "base/widetext.h"
#include "mergepagetest.h"
#include "win32files.h"

namespace kelvane {
namespace {

using namespace test;

INSTANTIATE_TEST_SUITE_P(
    Win32, FailingRun,
    testing::Values(
        // A source that is there but can't be looked at (its name is spelt in the ANSI code
        // page, not in UTF-8) fails the run before the target, here another name of it, is
        // emptied.
        Failure{"ASourceThatCantBeLookedAt",
                [](MergePageTest& p) {
                    if (!AnsiCodePageIsSingleByte()) {
                        return std::string();  // the ANSI code page here has no single-byte 0xE9
                    }
                    WriteAnsiFile(p.src.Text() + "\\caf\xE9.txt", "B\r\n");
                    const std::string path = p.out.At("t.txt");
                    std::filesystem::remove(path);
                    EXPECT_TRUE(CreateHardLinkW(
                        ToWide(path).value().c_str(),
                        ToWide(p.src.Text() + "\\caf\u00E9.txt").value().c_str(), nullptr))
                        << GetLastError();
                    p.rows.Clear();
                    p.Rows({"a.txt", "caf\xE9.txt", "c.txt"});
                    return path;
                },
                {kFailed},
                "B\r\n",
                true}),
    CaseName<Failure>);

}  // namespace
}  // namespace kelvane
