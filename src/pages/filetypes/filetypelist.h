#pragma once

#include <string>

#include "widgets/listwidget.h"
#include "widgets/msgbox.h"
#include "widgets/textbox.h"

namespace kelvane {

// The accepted file types of the Options page: the list, its entry box and its four buttons.
class FileTypeList {
  public:
    FileTypeList(ListWidget& lstFileType, TextBox& txtFileType, MsgBox& msgBox);

    // Start-up: appends "TXT", "SQL" and "DAT", each marked.
    void AddDefaults();

    // True when sType is blank, or made only of the letters A-Z and a-z.
    static bool validateFileType(const std::string& sType);

    void txtFileType_LostFocus();
    void cmdAddFileType_Click();
    void cmdDelete_Click();
    void cmdLearList_Click();
    void cmdClear_Click();

  private:
    ListWidget& lstFileType_;
    TextBox& txtFileType_;
    MsgBox& msgBox_;
};

}  // namespace kelvane
