// The widget contracts every toolkit keeps, run on the tests' doubles that the pages' tests use in
// their place.
#include <memory>

#include "fakedriverows.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakesavedialog.h"
#include "listcontract.h"
#include "widgets/drives.h"
#include "widgets/folderpath.h"
#include "widgets/savedialogcore.h"

namespace kelvane::test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Double, ListWidgetContract,
    testing::Values(ListMaker{
        "Double", [](ListRows::Style style) { return std::make_shared<FakeListWidget>(style); }}),
    ParamName<ListMaker>);

INSTANTIATE_TEST_SUITE_P(Double, FolderListContract,
                         testing::Values(FolderListMaker{
                             "Double",
                             [] {
                                 auto list = std::make_shared<FakeFolderList>();
                                 auto changes = std::make_shared<int>(0);
                                 list->onChange = [changes] { ++*changes; };
                                 return FolderListMade{list, changes};
                             }}),
                         ParamName<FolderListMaker>);

class DoubleDrives : public DriveListHand {
  public:
    DriveList& Drives() override { return list_; }
    int Changes() const override { return list_.changes; }
    std::vector<std::string> Shown() const override { return list_.shown; }
    int ShownChosen() const override { return list_.chosen; }
    void KeyDown() override { list_.Pick(list_.chosen + 1); }
    void PickChosenAgain() override { list_.Pick(list_.chosen); }
    void Wheel() override {}

  private:
    // The platform's drives, and one nested in the first.
    FakeDriveRows list_{[] {
        std::vector<std::string> drives = ListDrives();
        drives.push_back(InFolder(drives.front(), "kelvane-a"));
        return drives;
    }()};
};

INSTANTIATE_TEST_SUITE_P(Double, DriveListContract,
                         testing::Values(DriveListHandMaker{
                             "Double", [] { return std::make_unique<DoubleDrives>(); }}),
                         ParamName<DriveListHandMaker>);

// The double shows nothing: what it would show is what the shared rules read.
class DoubleSave : public SaveDialogHand {
  public:
    SaveDialog& Dialog() override { return dialog_; }
    Shown ShowAndAnswer(const std::string& file) override {
        Shown shown{dialog_.DialogTitle(), {}, dialog_.FileName()};
        for (const auto& entry : SaveDialogCore::FilterEntries(dialog_.Filter())) {
            shown.types.push_back(entry.description);
        }
        if (!file.empty()) {
            dialog_.choice = file;
        }
        dialog_.ShowSave();
        return shown;
    }

  private:
    FakeSaveDialog dialog_;
};

INSTANTIATE_TEST_SUITE_P(Double, SaveDialogContract,
                         testing::Values(SaveDialogHandMaker{
                             "Double", [] { return std::make_unique<DoubleSave>(); }}),
                         ParamName<SaveDialogHandMaker>);

}  // namespace
}  // namespace kelvane::test
