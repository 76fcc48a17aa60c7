#include "frmaboutdesign.h"

#include "widgets/application.h"

namespace {

using kelvane::ControlDesign;
using kelvane::ControlKind;
using kelvane::FontDesign;
using kelvane::FormDesign;
using kelvane::Picture;
using kelvane::Rgb;
using kelvane::TwipsPoint;

const FontDesign kWindowFont{"MS Sans Serif", 8.25, false};
const Rgb kBlack{0, 0, 0};

FormDesign Describe() {
    FormDesign form;
    form.name = "frmAbout";
    form.caption = "About MyApp";
    form.width = 5730;
    form.height = 3555;
    form.font = kWindowFont;
    form.screenPlace = TwipsPoint{2340, 1935};
    form.defaultButton = "cmdOK";
    form.cancelButton = "cmdOK";

    form.controls = {
        {.kind = ControlKind::PictureBox,
         .name = "picIcon",
         .place = {240, 240, 540, 540},
         .tabIndex = 1,
         .spokenName = kelvane::kAppTitle,  // it takes the focus: a screen reader says what it is
         .picture = Picture::AppIcon},
        {.kind = ControlKind::Label,
         .name = "lblTitle",
         .place = {1050, 240, 3885, 480},
         .tabIndex = 4,
         .captions = {"Application Title"},
         .font = {"MS Sans Serif", 9.75, true},
         .color = kBlack},
        {.kind = ControlKind::Label,
         .name = "lblVersion",
         .place = {1050, 780, 3885, 225},
         .tabIndex = 5,
         .captions = {"Version"}},
        {.kind = ControlKind::Label,
         .name = "lblDescription",
         .place = {1050, 1125, 3885, 1170},
         .tabIndex = 3,
         .captions = {"App Description"},
         .color = kBlack,
         .wordWrap = true},
        {.kind = ControlKind::Button,
         .name = "cmdOK",
         .place = {4245, 2625, 1260, 345},
         .tabIndex = 0,
         .captions = {"OK"}},
        {.kind = ControlKind::Button,
         .name = "cmdSysInfo",
         .place = {4260, 3075, 1245, 345},
         .tabIndex = 2,
         .captions = {"&System Info..."}},
        // The etched separator above the buttons: a grey line with a white one under it.
        {.kind = ControlKind::Line,
         .name = "Line1(1)",
         .place = {90, 2445, 5654 - 90, 0},
         .color = Rgb{128, 128, 128},
         .lineWidth = 1},
        {.kind = ControlKind::Line,
         .name = "Line1(0)",
         .place = {105, 2460, 5654 - 105, 0},
         .color = Rgb{255, 255, 255},
         .lineWidth = 2},
    };
    return form;
}

}  // namespace

const FormDesign& frmAboutDesign() {
    static const FormDesign design = Describe();
    return design;
}
