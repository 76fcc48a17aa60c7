#pragma once

#include <QAction>
#include <string>

#include "pages/main/frmmain.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/qt/qttoolkit.h"
#include "widgets/qt/qtwindow.h"
#include "widgets/qt/tabcontrol.h"

namespace kelvane::test {

// The real main window, built by the Qt toolkit, with its Qt widgets by control name, so tests
// can work it as a user does.
struct QtMainWindow {
    explicit QtMainWindow(frmMain::Services services = {})
        : main(toolkit, std::move(services)), window(dynamic_cast<qt::QtWindow&>(main.window())) {}

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = qobject_cast<Widget*>(window.Control(name));
        if (widget == nullptr) {
            throw std::logic_error(std::string("no control ") + name);
        }
        return widget;
    }

    qt::QtToolkit toolkit;
    frmMain main;
    qt::QtWindow& window;

    qt::QtTextBox* txtTartgetPath = Find<qt::QtTextBox>("txtTartgetPath");
    qt::TabControl* SSTab1 = Find<qt::TabControl>("SSTab1");
    qt::CommandButton* cmdMerge = Find<qt::CommandButton>("cmdMerge");
    qt::QtFolderList* myFolders = Find<qt::QtFolderList>("myFolders");
    qt::QtFileList* fileList = Find<qt::QtFileList>("fileList");
    qt::QtListWidget* lstFileSelect = Find<qt::QtListWidget>("lstFileSelect");
    qt::QtTextBox* txtFileType = Find<qt::QtTextBox>("txtFileType");
    qt::CommandButton* cmdClear = Find<qt::CommandButton>("cmdClear");
    qt::QtListWidget* lstFileType = Find<qt::QtListWidget>("lstFileType");
    QAction* mnuHelpAbout = window.MenuItem("mnuHelpAbout");
};

}  // namespace kelvane::test
