#include <string>
#include <vector>

#include "listcontract.h"
#include "tempfolder.h"
#include "widgets/folderpath.h"
#include "widgets/folderreader.h"

namespace kelvane::test {
namespace {

// What the program sets, what the open dialog shows, the user's answer and FileName afterwards.
struct SaveCase {
    const char* name;
    const char* filter;
    const char* title;
    std::vector<std::string> types;
    const char* answer;  // the file chosen in the folder; empty for a cancel
    const char* after;   // FileName afterwards, in the folder
};

const SaveCase kSaves[] = {
    {"ChosenFile",
     "Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*",
     "Save Target File As",
     {"Text files (*.txt)", "All Files(*.*)"},
     "中文 😀 ő.sql",
     "中文 😀 ő.sql"},
    {"CancelKeepsTheName", "Text|*.txt|Odd", "Other title", {"Text"}, "", "before.txt"},
};

// The dialog opens in the folder of the file named so far, offering that name; it asks nothing
// of its own when the chosen file exists. Names of any script come back exactly, and the program's
// current folder stays.
TEST_P(SaveDialogContract, ShowsTheProgramsSettingsAndTakesTheUsersAnswer) {
    for (const SaveCase& c : kSaves) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        const std::string folder = temp.MakeFolder("Ωmega 日本 ő");
        temp.Write("Ωmega 日本 ő/中文 😀 ő.sql", "old");
        const std::string current = CurrentFolder();
        const std::unique_ptr<SaveDialogHand> hand = GetParam().make();
        SaveDialog& dialog = hand->Dialog();
        dialog.SetFilter(c.filter);
        dialog.SetDialogTitle(c.title);
        dialog.SetFileName(InFolder(folder, "before.txt"));
        const std::string answer = *c.answer == '\0' ? "" : InFolder(folder, c.answer);
        const SaveDialogHand::Shown shown = hand->ShowAndAnswer(answer);
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.types, c.types);
        EXPECT_TRUE(shown.name.ends_with("before.txt")) << shown.name;
        EXPECT_EQ(dialog.FileName(), InFolder(folder, c.after));
        EXPECT_EQ(CurrentFolder(), current);
    }
}

}  // namespace
}  // namespace kelvane::test
