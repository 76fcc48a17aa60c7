#pragma once

#include <map>
#include <string>
#include <vector>

#include "widgets/formdesign.h"

class QAction;
class QWidget;

namespace kelvane::qt {

// What a window's description made of Qt widgets: every control by name, every menu and menu
// item's action by name, and the widgets the Tab key visits, in order.
struct QtBuiltWindow {
    std::map<std::string, QWidget*> controls;
    std::map<std::string, QAction*> menuItems;
    std::vector<QWidget*> tabOrder;
};

// Makes the menus and controls of a window from its description, as children of `window`: each
// control of the kind described, at its place in its container, with its texts, font and colour,
// drawn in the described order (the one described first on top), and chained in the Tab order.
// A control that shows no caption of its own has the accessible name its description gives it.
// Every control and menu item carries its control name as its objectName.
class QtWindowBuilder {
  public:
    static QtBuiltWindow Build(QWidget& window, const FormDesign& design);
};

}  // namespace kelvane::qt
