#include "frmmaindesign.h"

#include "widgets/application.h"

namespace {

using kelvane::ControlDesign;
using kelvane::ControlKind;
using kelvane::FontDesign;
using kelvane::FormDesign;
using kelvane::MenuDesign;
using kelvane::Picture;
using kelvane::Rgb;

const FontDesign kWindowFont{"MS Sans Serif", 8.25, false};
const FontDesign kBanner{"MS Sans Serif", 8.25, true};
const FontDesign kHeading{"MS Sans Serif", 9.75, true};
const FontDesign kCommand{"Arial", 8.25, true};

FormDesign Describe() {
    FormDesign form;
    form.name = "frmMain";
    form.caption = kelvane::kAppTitle;
    form.width = 9015;
    form.height = 6165;
    form.font = kWindowFont;

    form.menus = {
        {"mnuFile", "&File", {{"mnuFileExit", "E&xit", {}}}},
        {"mnuHelp",
         "&Help",
         {{"mnuHelpAbout", "&About", {}}, {"mnuHelpSep1", "-", {}}, {"mnuHelpHelp", "Help", {}}}},
    };

    constexpr char kTabs[] = "SSTab1";   // page 0 "Text Files", page 1 "Options"
    constexpr char kFrame[] = "Frame1";  // on page 1, "Options"
    form.controls = {
        // The window's client area.
        {.kind = ControlKind::Label,
         .name = "Label1",
         .place = {180, 0, 7575, 195},
         .tabIndex = 2,
         .captions = {"This utility will merge given files into one file.  Ideal for Data "
                      "files and SQL script merging"},
         .font = kBanner,
         .color = Rgb{128, 0, 0}},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .place = {180, 360, 1335, 315},
         .tabIndex = 4,
         .captions = {"Target file path"}},
        {.kind = ControlKind::TextBox,
         .name = "txtTartgetPath",
         .place = {1500, 300, 6555, 315},
         .tabIndex = 1,
         .tooltip = "give the target file name",
         .label = "Label2"},
        {.kind = ControlKind::Button,
         .name = "cmdFileLookUp",
         .place = {8160, 300, 375, 315},
         .tabIndex = 3,
         .captions = {"..."},
         .tooltip = "Browse the target file location",
         .font = kHeading},
        {.kind = ControlKind::TabControl,
         .name = "SSTab1",
         .place = {60, 720, 8895, 4935},
         .tabIndex = 5,
         .captions = {"Text Files", "Options"},
         .stripHeight = 295},
        {.kind = ControlKind::Button,
         .name = "cmdMerge",
         .place = {5580, 5760, 1635, 375},
         .tabIndex = 11,
         .captions = {"&Merge files"},
         .tooltip = "Merge the selected file",
         .font = kCommand},
        {.kind = ControlKind::Button,
         .name = "cmdClose",
         .place = {7620, 5760, 1335, 375},
         .tabIndex = 0,
         .captions = {"Close"},
         .tooltip = "Close the application",
         .font = kCommand},

        // Page "Text Files": where the files are, which files the folder holds, and the merge
        // list with its Up and Down buttons.
        {.kind = ControlKind::Label,
         .name = "Label4",
         .container = kTabs,
         .page = 0,
         .place = {180, 420, 2415, 255},
         .tabIndex = 21,
         .captions = {"Source file path"},
         .font = kHeading},
        {.kind = ControlKind::DriveList,
         .name = "myDrive",
         .container = kTabs,
         .page = 0,
         .place = {120, 720, 2835, 315},
         .tabIndex = 7,
         .tooltip = "Select the drive"},
        {.kind = ControlKind::FolderList,
         .name = "myFolders",
         .container = kTabs,
         .page = 0,
         .place = {120, 765, 2835, 3915},
         .tabIndex = 6,
         .tooltip = "Select the folder where the files to be merged available",
         .label = "Label4"},
        {.kind = ControlKind::Label,
         .name = "Label5",
         .container = kTabs,
         .page = 0,
         .place = {3060, 420, 2055, 255},
         .tabIndex = 22,
         .captions = {"Available Files"},
         .font = kHeading},
        {.kind = ControlKind::FileList,
         .name = "fileList",
         .container = kTabs,
         .page = 0,
         .place = {3000, 690, 2655, 3990},
         .tabIndex = 10,
         .tooltip = "All files in the selected folder. Multi-select the files you want to "
                    "merge. If the files do not have the given extension in the options tab, "
                    "they will not be selected",
         .label = "Label5"},
        {.kind = ControlKind::Label,
         .name = "Label6",
         .container = kTabs,
         .page = 0,
         .place = {5700, 420, 2535, 255},
         .tabIndex = 23,
         .captions = {"Files to merge"},
         .font = kHeading},
        {.kind = ControlKind::ListBox,
         .name = "lstFileSelect",
         .container = kTabs,
         .page = 0,
         .place = {5700, 720, 2595, 3960},
         .tabIndex = 8,
         .tooltip = "Selected files for merging",
         .label = "Label6"},
        {.kind = ControlKind::Button,
         .name = "cmdUp",
         .container = kTabs,
         .page = 0,
         .place = {8400, 1980, 375, 435},
         .tabIndex = 9,
         .tooltip = "Move the files UP one position",
         .font = kHeading,
         .picture = Picture::UpArrow},
        {.kind = ControlKind::Button,
         .name = "cmdDown",
         .container = kTabs,
         .page = 0,
         .place = {8400, 2460, 375, 435},
         .tabIndex = 12,
         .tooltip = "Move the files DOWN one position",
         .font = kHeading,
         .picture = Picture::DownArrow},

        // Page "Options": the accepted file types, inside a frame.
        {.kind = ControlKind::Frame,
         .name = "Frame1",
         .container = kTabs,
         .page = 1,
         .place = {2400, 360, 4455, 4215},
         .tabIndex = 13},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .container = kFrame,
         .place = {180, 840, 1935, 315},
         .tabIndex = 16,
         .captions = {"Text file type (i.e. \"TXT\")"}},
        {.kind = ControlKind::TextBox,
         .name = "txtFileType",
         .container = kFrame,
         .place = {2100, 780, 735, 315},
         .tabIndex = 15,
         .label = "Label3",
         .maxLength = 4},
        {.kind = ControlKind::Button,
         .name = "cmdClear",
         .container = kFrame,
         .place = {2940, 180, 1155, 375},
         .tabIndex = 19,
         .captions = {"C&lear"},
         .tooltip = "This will cear the File Type text box",
         // So that an entry the check refuses can be cleared.
         .clicksWhenFocusTakenBack = true},
        {.kind = ControlKind::Button,
         .name = "cmdAddFileType",
         .container = kFrame,
         .place = {2940, 600, 1155, 555},
         .tabIndex = 17,
         .captions = {"&Add to List"},
         .tooltip = "This will add the file type in the text box into the list"},
        {.kind = ControlKind::CheckListBox,
         .name = "lstFileType",
         .container = kFrame,
         .place = {300, 1260, 3855, 2310},
         .tabIndex = 14,
         .label = "Label3"},
        {.kind = ControlKind::Button,
         .name = "cmdLearList",
         .container = kFrame,
         .place = {1500, 3720, 1155, 375},
         .tabIndex = 20,
         .captions = {"Cl&ear List"},
         .tooltip = "Clicking this will clear all items in the list"},
        {.kind = ControlKind::Button,
         .name = "cmdDelete",
         .container = kFrame,
         .place = {2760, 3720, 1335, 375},
         .tabIndex = 18,
         .captions = {"&Delete from List"},
         .tooltip = "Clicking this button will remove the selected file type in the list"},
    };
    return form;
}

}  // namespace

const FormDesign& frmMainDesign() {
    static const FormDesign design = Describe();
    return design;
}
