// The two windows' descriptions hold together: every control fits in its container, none covers
// another but where that is meant, and Tab and the access letters reach each control without a
// clash. What the descriptions say stands in them alone; the window suites read it from there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "pages/about/frmaboutdesign.h"
#include "pages/main/frmmaindesign.h"
#include "paramname.h"
#include "widgets/twips.h"

namespace kelvane {
namespace {

struct Window {
    const char* name;
    const FormDesign& (*design)();
    // The pairs of controls drawn one over the other on purpose: the drive list over the top
    // edge of the folder list, a label's last pixel under the box it names.
    std::set<std::pair<std::string, std::string>> meantOverlaps;
};

const Window kWindows[] = {
    {"frmMain",
     frmMainDesign,
     {{"myDrive", "myFolders"}, {"Label2", "txtTartgetPath"}, {"Label3", "txtFileType"}}},
    {"frmAbout", frmAboutDesign, {}},
};

void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}

class Description : public testing::TestWithParam<Window> {
  protected:
    const FormDesign& form = GetParam().design();
};

// The area of a container its controls are placed in, in its own coordinates: a tab control's
// pages start below its tab strip.
TwipsRect Inside(const FormDesign& form, const std::string& container) {
    if (container.empty()) {
        return {0, 0, form.width, form.height};
    }
    const ControlDesign& outer = *form.Find(container);
    return {0, outer.stripHeight, outer.place.width, outer.place.height - outer.stripHeight};
}

TEST_P(Description, EveryControlIsInsideItsContainer) {
    ASSERT_NO_THROW(form.Check());
    for (const ControlDesign& control : form.controls) {
        const TwipsRect area = Inside(form, control.container);
        const TwipsRect& place = control.place;
        EXPECT_TRUE(place.left >= area.left && place.top >= area.top &&
                    place.left + place.width <= area.left + area.width &&
                    place.top + place.height <= area.top + area.height)
            << control.name << " leaves "
            << (control.container.empty() ? "the window" : control.container);
    }
}

TEST_P(Description, ControlsOverlapOnlyWhereMeant) {
    std::set<std::pair<std::string, std::string>> overlapping;
    for (auto a = form.controls.begin(); a != form.controls.end(); ++a) {
        for (auto b = a + 1; b != form.controls.end(); ++b) {
            if (a->container == b->container && a->page == b->page && Overlap(a->place, b->place)) {
                overlapping.emplace(a->name, b->name);
            }
        }
    }
    EXPECT_EQ(overlapping, GetParam().meantOverlaps);
}

TEST_P(Description, NoTwoControlsShareATabIndex) {
    std::map<int, std::string> holder;
    for (const ControlDesign& control : form.controls) {
        if (control.tabIndex < 0) {
            continue;
        }
        const auto [at, added] = holder.emplace(control.tabIndex, control.name);
        EXPECT_TRUE(added) << control.name << " has the tab index of " << at->second;
    }
}

// Whether the captions of those controls and menus, all reachable at once, mark each access
// letter once at most.
void ExpectUniqueLetters(const std::string& where,
                         const std::vector<std::pair<std::string, std::string>>& captioned) {
    std::map<std::string, std::string> holder;
    for (const auto& [name, caption] : captioned) {
        std::string letter = AccessLetter(caption);
        if (!letter.empty()) {
            letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
            const auto [at, added] = holder.emplace(letter, name);
            EXPECT_TRUE(added) << where << ": " << name << " and " << at->second << " both take "
                               << letter;
        }
    }
}

// The menu bar's letters and those of the controls shown with each page; each menu's items.
TEST_P(Description, AccessLettersAreUniqueOnEachPageAndMenu) {
    std::vector<std::pair<std::string, std::string>> bar;
    for (const MenuDesign& menu : form.menus) {
        bar.emplace_back(menu.name, menu.caption);
        std::vector<std::pair<std::string, std::string>> items;
        for (const MenuDesign& item : menu.items) {
            items.emplace_back(item.name, item.caption);
        }
        ExpectUniqueLetters(menu.name, items);
    }
    const auto tabs = std::find_if(form.controls.begin(), form.controls.end(),
                                   [](const auto& c) { return c.kind == ControlKind::TabControl; });
    const bool paged = tabs != form.controls.end();
    for (int page = 0; page < (paged ? static_cast<int>(tabs->captions.size()) : 1); ++page) {
        auto shown = bar;
        for (const ControlDesign& control : form.controls) {
            const int on = paged ? form.PageOn(control, tabs->name) : -1;
            if (on == -1 || on == page) {
                for (const std::string& caption : control.captions) {
                    shown.emplace_back(control.name, caption);
                }
            }
        }
        ExpectUniqueLetters("page " + std::to_string(page), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWindows, Description, testing::ValuesIn(kWindows),
                         test::ParamName<Window>);

}  // namespace
}  // namespace kelvane
