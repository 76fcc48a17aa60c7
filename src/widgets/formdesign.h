#pragma once

#include <optional>
#include <string>
#include <vector>

#include "widgets/twips.h"

namespace kelvane {

// What a window looks like, told once for every toolkit: its controls with their kinds, names,
// texts, fonts and places, its menus, and how it sits on the screen. Each toolkit builds its
// windows from these descriptions; the program wires their events to its procedures by control
// name.
//
// Places and sizes are in twips, 1/1440 inch, measured from the top-left corner of the
// control's container: the window's client area (below the menu bar), a tab control (its tab
// strip included) or a frame.

// A face, a size in points and a weight. An empty face means the window's own font.
struct FontDesign {
    std::string face{};
    double points = 0;
    bool bold = false;

    bool operator==(const FontDesign&) const = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// The kinds of control; which events each one raises is told in controlevents.h.
enum class ControlKind {
    Label,         // a text that takes no focus
    TextBox,       // a one-line text box (TextBox)
    Button,        // a command button
    TabControl,    // pages with tabs; other controls name it and a page as their container
    Frame,         // a plain frame around other controls, which name it as their container
    DriveList,     // DriveList
    FolderList,    // FolderList
    FileList,      // FileList, extended multiple selection
    ListBox,       // ListWidget, single selection
    CheckListBox,  // ListWidget with a check box on every item
    PictureBox,    // shows a picture; takes the focus when it has a tab index
    Line,          // a straight line from (left, top) to (left + width, top + height)
};

// The program's pictures, which every toolkit draws from the same designs.
enum class Picture { None, AppIcon, UpArrow, DownArrow };

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    // The name of the tab control or frame the control sits on; empty for the client area.
    std::string container{};
    // The page of the tab control named by `container`.
    int page = 0;
    TwipsRect place{};
    // The control's place in the Tab order, counted from 0; -1 for a control with none.
    // Labels, frames and lines have indexes too but never take the focus.
    int tabIndex = -1;
    // "&" marks the access letter. A tab control's captions are its pages', one per page.
    std::vector<std::string> captions{};
    std::string tooltip{};
    // The label that tells what a control showing no caption of its own holds (a list, a text
    // box); it names the control to assistive technology. Empty for none.
    std::string label{};
    // The name that tells a screen reader what a control showing neither caption nor label holds,
    // where no tooltip says it (a picture box). Empty for none.
    std::string spokenName{};
    FontDesign font{};
    // Text colour of a label, colour of a line; empty for the platform's.
    std::optional<Rgb> color{};
    // Text box: the most characters the user can type; 0 for no limit.
    int maxLength = 0;
    // Label: wraps its text at word boundaries within its width.
    bool wordWrap = false;
    // Button: shown instead of a caption; picture box: the picture it shows.
    Picture picture = Picture::None;
    // Button: when the press or access key that moved the focus to it makes the control left
    // behind take the focus back (its LostFocus handler refused to let go), the click still runs,
    // after that handler. Other buttons' clicks are then dropped.
    bool clicksWhenFocusTakenBack = false;
    // Tab control: the height of its tab strip, in twips.
    int stripHeight = 0;
    // Line: its width in pixels.
    int lineWidth = 1;

    // The one caption of every control but a tab control; empty when it has none.
    const std::string& Caption() const;
};

// A menu of the menu bar or one of its items. An item captioned "-" is a separator.
struct MenuDesign {
    std::string name{};
    std::string caption{};
    std::vector<MenuDesign> items{};

    bool IsSeparator() const { return caption == "-"; }
};

struct FormDesign {
    std::string name{};
    // The caption the window has when it is made.
    std::string caption{};
    // The client area, in twips.
    int width = 0;
    int height = 0;
    // The font of every control that names no face of its own.
    FontDesign font{};
    // Where the client area's top-left corner first stands on the screen, in twips; empty for
    // the platform's default place for a new window.
    std::optional<TwipsPoint> screenPlace{};
    // The button Enter clicks wherever the focus is (unless on another button), and the one Esc
    // and the close box click; empty for none, where Enter acts only on the control that has the
    // focus, Esc does nothing and the close box unloads the window.
    std::string defaultButton{};
    std::string cancelButton{};
    std::vector<MenuDesign> menus{};
    // Their Tab order is told by their tab indexes. Where two controls overlap, the one
    // described first is drawn on top.
    std::vector<ControlDesign> controls{};

    // The control of that name; nullptr when there is none.
    const ControlDesign* Find(const std::string& control) const;
    // The item of a menu of that name, separators included; nullptr when there is none.
    const MenuDesign* FindMenuItem(const std::string& item) const;
    // Raises WidgetError when no toolkit can build the window as described: two controls or menu
    // items of one name, a control whose container isn't a tab control or frame described
    // before it, or whose label isn't a label of the window.
    void Check() const;
    // The controls that can take the focus, in Tab order.
    std::vector<const ControlDesign*> TabOrder() const;
    // How deep a control sits in containers: 0 on the client area.
    int Depth(const ControlDesign& control) const;
    // The page of the tab control `tabs` that a control sits on, through the containers it sits
    // in; -1 for a control that isn't on it.
    int PageOn(const ControlDesign& control, const std::string& tabs) const;
    // Where a control sits in the client area, in pixels at `dpi`: its place converted edge by
    // edge within its container, moved by where the container itself sits (a tab control's place
    // includes its tab strip, so its pages share its coordinates).
    PixelRect ClientPlace(const ControlDesign& control, int dpi) const;
    // How many pixels of the control's top edge, at `dpi`, the controls drawn over it cover:
    // those described before it in the same container that overlap it.
    int CoveredTop(const ControlDesign& control, int dpi) const;
    // The name a screen reader says for a control that shows no caption of its own: its spoken
    // name, else the caption of its label, else its tooltip (so a picture button is named by what
    // its tooltip says), access marks ("&") taken out. Empty for a control that shows its own
    // caption (the toolkits name it by that), and for labels, lines and containers.
    std::string AccessibleName(const ControlDesign& control) const;
};

// The access letter of a caption: the character after a single "&" ("&&" is a plain "&"), in
// UTF-8 as written; empty for none.
std::string AccessLetter(const std::string& caption);

// Whether controls of this kind can ever take the focus.
bool TakesFocus(const ControlDesign& control);
// Whether other controls can name it as their container.
bool IsContainer(const ControlDesign& control);

}  // namespace kelvane
