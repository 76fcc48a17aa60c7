// The two windows' descriptions against the layout tables they were drawn from, spelled out here
// on their own, so that a swapped caption or a mistyped place fails.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/about/frmaboutdesign.h"
#include "pages/main/frmmaindesign.h"
#include "widgets/application.h"

namespace kelvane {
namespace {

struct Expected {
    const char* name;
    ControlKind kind;
    const char* container;
    int page;
    TwipsRect place;
    int tabIndex;
    const char* caption;
    const char* tooltip;
    FontDesign font;
};

const FontDesign kDefault{};
const FontDesign kSans975Bold{"MS Sans Serif", 9.75, true};
const FontDesign kArialBold{"Arial", 8.25, true};

// clang-format off
const Expected kMainControls[] = {
    {"Label1", ControlKind::Label, "", 0, {180, 0, 7575, 195}, 2, "This utility will merge given files into one file.  Ideal for Data files and SQL script merging", "", {"MS Sans Serif", 8.25, true}},
    {"Label2", ControlKind::Label, "", 0, {180, 360, 1335, 315}, 4, "Target file path", "", kDefault},
    {"txtTartgetPath", ControlKind::TextBox, "", 0, {1500, 300, 6555, 315}, 1, "", "give the target file name", kDefault},
    {"cmdFileLookUp", ControlKind::Button, "", 0, {8160, 300, 375, 315}, 3, "...", "Browse the target file location", kSans975Bold},
    {"SSTab1", ControlKind::TabControl, "", 0, {60, 720, 8895, 4935}, 5, "Text Files", "", kDefault},
    {"cmdMerge", ControlKind::Button, "", 0, {5580, 5760, 1635, 375}, 11, "&Merge files", "Merge the selected file", kArialBold},
    {"cmdClose", ControlKind::Button, "", 0, {7620, 5760, 1335, 375}, 0, "Close", "Close the application", kArialBold},
    {"Label4", ControlKind::Label, "SSTab1", 0, {180, 420, 2415, 255}, 21, "Source file path", "", kSans975Bold},
    {"myDrive", ControlKind::DriveList, "SSTab1", 0, {120, 720, 2835, 315}, 7, "", "Select the drive", kDefault},
    {"myFolders", ControlKind::FolderList, "SSTab1", 0, {120, 765, 2835, 3915}, 6, "", "Select the folder where the files to be merged available", kDefault},
    {"Label5", ControlKind::Label, "SSTab1", 0, {3060, 420, 2055, 255}, 22, "Available Files", "", kSans975Bold},
    {"fileList", ControlKind::FileList, "SSTab1", 0, {3000, 690, 2655, 3990}, 10, "", "All files in the selected folder. Multi-select the files you want to merge. If the files do not have the given extension in the options tab, they will not be selected", kDefault},
    {"Label6", ControlKind::Label, "SSTab1", 0, {5700, 420, 2535, 255}, 23, "Files to merge", "", kSans975Bold},
    {"lstFileSelect", ControlKind::ListBox, "SSTab1", 0, {5700, 720, 2595, 3960}, 8, "", "Selected files for merging", kDefault},
    {"cmdUp", ControlKind::Button, "SSTab1", 0, {8400, 1980, 375, 435}, 9, "", "Move the files UP one position", kSans975Bold},
    {"cmdDown", ControlKind::Button, "SSTab1", 0, {8400, 2460, 375, 435}, 12, "", "Move the files DOWN one position", kSans975Bold},
    {"Frame1", ControlKind::Frame, "SSTab1", 1, {2400, 360, 4455, 4215}, 13, "", "", kDefault},
    {"Label3", ControlKind::Label, "Frame1", 0, {180, 840, 1935, 315}, 16, "Text file type (i.e. \"TXT\")", "", kDefault},
    {"txtFileType", ControlKind::TextBox, "Frame1", 0, {2100, 780, 735, 315}, 15, "", "", kDefault},
    {"cmdClear", ControlKind::Button, "Frame1", 0, {2940, 180, 1155, 375}, 19, "C&lear", "This will cear the File Type text box", kDefault},
    {"cmdAddFileType", ControlKind::Button, "Frame1", 0, {2940, 600, 1155, 555}, 17, "&Add to List", "This will add the file type in the text box into the list", kDefault},
    {"lstFileType", ControlKind::CheckListBox, "Frame1", 0, {300, 1260, 3855, 2310}, 14, "", "", kDefault},
    {"cmdLearList", ControlKind::Button, "Frame1", 0, {1500, 3720, 1155, 375}, 20, "Cl&ear List", "Clicking this will clear all items in the list", kDefault},
    {"cmdDelete", ControlKind::Button, "Frame1", 0, {2760, 3720, 1335, 375}, 18, "&Delete from List", "Clicking this button will remove the selected file type in the list", kDefault},
};

const Expected kAboutControls[] = {
    {"picIcon", ControlKind::PictureBox, "", 0, {240, 240, 540, 540}, 1, "", "", kDefault},
    {"lblTitle", ControlKind::Label, "", 0, {1050, 240, 3885, 480}, 4, "Application Title", "", kSans975Bold},
    {"lblVersion", ControlKind::Label, "", 0, {1050, 780, 3885, 225}, 5, "Version", "", kDefault},
    {"lblDescription", ControlKind::Label, "", 0, {1050, 1125, 3885, 1170}, 3, "App Description", "", kDefault},
    {"cmdOK", ControlKind::Button, "", 0, {4245, 2625, 1260, 345}, 0, "OK", "", kDefault},
    {"cmdSysInfo", ControlKind::Button, "", 0, {4260, 3075, 1245, 345}, 2, "&System Info...", "", kDefault},
};
// clang-format on

void ExpectControls(const FormDesign& form, const Expected* begin, const Expected* end) {
    for (const Expected* expected = begin; expected != end; ++expected) {
        SCOPED_TRACE(expected->name);
        const ControlDesign* control = form.Find(expected->name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, expected->kind);
        EXPECT_EQ(control->container, expected->container);
        EXPECT_EQ(control->page, expected->page);
        EXPECT_EQ(control->place.left, expected->place.left);
        EXPECT_EQ(control->place.top, expected->place.top);
        EXPECT_EQ(control->place.width, expected->place.width);
        EXPECT_EQ(control->place.height, expected->place.height);
        EXPECT_EQ(control->tabIndex, expected->tabIndex);
        EXPECT_EQ(control->Caption(), expected->caption);
        EXPECT_EQ(control->tooltip, expected->tooltip);
        EXPECT_EQ(control->font, expected->font);
    }
}

TEST(FrmMainDesign, EveryControlHasItsKindPlaceTextsAndFont) {
    const FormDesign& form = frmMainDesign();
    EXPECT_EQ(form.controls.size(), std::size(kMainControls));
    ExpectControls(form, std::begin(kMainControls), std::end(kMainControls));
}

TEST(FrmMainDesign, WindowPagesAndFurtherProperties) {
    const FormDesign& form = frmMainDesign();
    EXPECT_EQ(form.caption, "Kelvane Text File Merger");
    EXPECT_EQ(form.width, 9015);
    EXPECT_EQ(form.height, 6165);
    EXPECT_EQ(form.font, (FontDesign{"MS Sans Serif", 8.25, false}));
    EXPECT_FALSE(form.screenPlace);
    EXPECT_EQ(form.defaultButton, "");
    EXPECT_EQ(form.cancelButton, "");
    EXPECT_EQ(form.Find("SSTab1")->captions, (std::vector<std::string>{"Text Files", "Options"}));
    EXPECT_EQ(form.Find("Label1")->color, (Rgb{128, 0, 0}));
    EXPECT_EQ(form.Find("txtFileType")->maxLength, 4);
    EXPECT_EQ(form.Find("cmdUp")->picture, Picture::UpArrow);
    EXPECT_EQ(form.Find("cmdDown")->picture, Picture::DownArrow);
    std::vector<std::string> clickingPastTheCheck;
    for (const ControlDesign& control : form.controls) {
        if (control.clicksWhenFocusTakenBack) {
            clickingPastTheCheck.push_back(control.name);
        }
    }
    EXPECT_EQ(clickingPastTheCheck, std::vector<std::string>{"cmdClear"});
}

TEST(FrmMainDesign, MenusInOrderWithTheirAccessLetters) {
    const auto& menus = frmMainDesign().menus;
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].name, "mnuFile");
    EXPECT_EQ(menus[0].caption, "&File");
    ASSERT_EQ(menus[0].items.size(), 1u);
    EXPECT_EQ(menus[0].items[0].name, "mnuFileExit");
    EXPECT_EQ(menus[0].items[0].caption, "E&xit");
    EXPECT_EQ(menus[1].name, "mnuHelp");
    EXPECT_EQ(menus[1].caption, "&Help");
    std::vector<std::string> items;
    for (const MenuDesign& item : menus[1].items) {
        items.push_back(item.name + " " + item.caption);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"mnuHelpAbout &About", "mnuHelpSep1 -",
                                               "mnuHelpHelp Help"}));
}

TEST(FrmMainDesign, TabOrderVisitsTheFocusableControlsByTabIndex) {
    std::vector<std::string> order;
    for (const ControlDesign* control : frmMainDesign().TabOrder()) {
        order.push_back(control->name);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{
                  "cmdClose", "txtTartgetPath", "cmdFileLookUp", "SSTab1", "myFolders", "myDrive",
                  "lstFileSelect", "cmdUp", "fileList", "cmdMerge", "cmdDown", "lstFileType",
                  "txtFileType", "cmdAddFileType", "cmdDelete", "cmdClear", "cmdLearList"}));
}

// What a screen reader says for each control that shows no caption of its own: the label that
// tells what it holds, or the tooltip of a picture button and of the drive list (the label
// above it names the folder list). The others name themselves by their captions.
TEST(FrmMainDesign, EveryControlWithoutACaptionHasANameForScreenReaders) {
    const FormDesign& form = frmMainDesign();
    const std::map<std::string, std::string> named = {
        {"txtTartgetPath", "Target file path"},
        {"myDrive", "Select the drive"},
        {"myFolders", "Source file path"},
        {"fileList", "Available Files"},
        {"lstFileSelect", "Files to merge"},
        {"cmdUp", "Move the files UP one position"},
        {"cmdDown", "Move the files DOWN one position"},
        {"txtFileType", "Text file type (i.e. \"TXT\")"},
        {"lstFileType", "Text file type (i.e. \"TXT\")"},
    };
    for (const ControlDesign& control : form.controls) {
        SCOPED_TRACE(control.name);
        const auto name = named.find(control.name);
        EXPECT_EQ(form.AccessibleName(control), name == named.end() ? "" : name->second);
        if (TakesFocus(control) && control.kind != ControlKind::TabControl) {
            EXPECT_NE(form.AccessibleName(control).empty(), control.Caption().empty())
                << "a control that takes the focus is named by its caption or else";
        }
    }
    ControlDesign mnemonic{
        .kind = ControlKind::Button, .tooltip = "&Up && away", .picture = Picture::UpArrow};
    EXPECT_EQ(form.AccessibleName(mnemonic), "Up & away") << "access marks aren't said";
    // About's picture box takes the focus too: it is named by the application title.
    const FormDesign& about = frmAboutDesign();
    EXPECT_EQ(about.AccessibleName(*about.Find("picIcon")), kAppTitle);
}

// The drive list is drawn over the top edge of the folder list, from 765 to 1035 twips.
TEST(FrmMainDesign, TheDriveListCoversTheFolderListsTopEdge) {
    const FormDesign& form = frmMainDesign();
    const struct {
        int dpi;
        int covered;
    } cases[] = {{96, 69 - 51}, {144, 104 - 77}};
    for (const auto& c : cases) {
        EXPECT_EQ(form.CoveredTop(*form.Find("myFolders"), c.dpi), c.covered) << c.dpi << " dpi";
    }
    EXPECT_EQ(form.CoveredTop(*form.Find("myDrive"), 96), 0) << "described first, drawn on top";
    EXPECT_EQ(form.CoveredTop(*form.Find("fileList"), 96), 0);
}

TEST(FrmAboutDesign, EveryControlHasItsKindPlaceTextsAndFont) {
    const FormDesign& form = frmAboutDesign();
    ExpectControls(form, std::begin(kAboutControls), std::end(kAboutControls));
    EXPECT_EQ(form.caption, "About MyApp");
    EXPECT_EQ(form.width, 5730);
    EXPECT_EQ(form.height, 3555);
    ASSERT_TRUE(form.screenPlace);
    EXPECT_EQ(form.screenPlace->x, 2340);
    EXPECT_EQ(form.screenPlace->y, 1935);
    EXPECT_EQ(form.defaultButton, "cmdOK");
    EXPECT_EQ(form.cancelButton, "cmdOK");
    EXPECT_TRUE(form.Find("lblDescription")->wordWrap);
    EXPECT_EQ(form.Find("picIcon")->picture, Picture::AppIcon);
}

TEST(FrmAboutDesign, TheEtchedLineIsAGreyLineOverAWhiteOne) {
    const FormDesign& form = frmAboutDesign();
    const ControlDesign* grey = form.Find("Line1(1)");
    const ControlDesign* white = form.Find("Line1(0)");
    ASSERT_NE(grey, nullptr);
    ASSERT_NE(white, nullptr);
    // From (90, 2445) and (105, 2460) to x 5654.
    EXPECT_EQ(grey->place.left, 90);
    EXPECT_EQ(grey->place.top, 2445);
    EXPECT_EQ(grey->place.left + grey->place.width, 5654);
    EXPECT_EQ(grey->place.height, 0);
    EXPECT_EQ(grey->color, (Rgb{128, 128, 128}));
    EXPECT_EQ(grey->lineWidth, 1);
    EXPECT_EQ(white->place.left, 105);
    EXPECT_EQ(white->place.top, 2460);
    EXPECT_EQ(white->place.left + white->place.width, 5654);
    EXPECT_EQ(white->color, (Rgb{255, 255, 255}));
    EXPECT_EQ(white->lineWidth, 2);
}

}  // namespace
}  // namespace kelvane
