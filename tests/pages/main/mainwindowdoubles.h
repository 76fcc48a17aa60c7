#pragma once

#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "pages/main/frmmain.h"

namespace kelvane::test {

// What a main window under test gets instead of its dialogs and its document opener: it shows
// no real dialog and opens no document, and the test reads what was asked for.
struct MainWindowDoubles {
    frmMain::Services Services() {
        frmMain::Services services;
        services.msgBox = &msg;
        services.saveDialog = &save;
        services.openDocument = [this](Form& form, const std::string& document) {
            opened.push_back(document);
            openedBy = &form;
        };
        services.showAbout = [this] { ++abouts; };
        return services;
    }

    FakeMsgBox msg;
    FakeSaveDialog save;
    std::vector<std::string> opened;
    Form* openedBy = nullptr;
    int abouts = 0;
};

}  // namespace kelvane::test
