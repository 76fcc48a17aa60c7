#include "filetypelist.h"

#include <exception>

#include "base/text.h"
#include "widgets/application.h"

namespace kelvane {

namespace {

constexpr char kInvalidTypeMessage[] =
    "Invalid file type. Please enter a valid type ( 'TXT', 'DAT'...)";
constexpr char kClearListQuestion[] =
    "The file types in the list will be cleared. Do you want to continue?";

constexpr const char* kDefaultTypes[] = {"TXT", "SQL", "DAT"};

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Runs one step of a procedure whose failures are skipped: a step that fails is left
// undone and the caller goes on with the next one.
template <typename Step>
bool TryStep(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

FileTypeList::FileTypeList(ListWidget& lstFileType, TextBox& txtFileType, MsgBox& msgBox)
    : lstFileType_(lstFileType), txtFileType_(txtFileType), msgBox_(msgBox) {}

void FileTypeList::AddDefaults() {
    for (const char* type : kDefaultTypes) {
        lstFileType_.AddItem(type);
        lstFileType_.SetSelected(lstFileType_.NewIndex(), true);
    }
}

bool FileTypeList::validateFileType(const std::string& sType) {
    if (Trim(sType).empty()) {
        return true;
    }
    // Every byte counts on its own: a byte outside the two letter ranges, a blank or any
    // byte of a non-ASCII character, makes the type invalid.
    for (const char c : sType) {
        if (!IsLetter(c)) {
            return false;
        }
    }
    return true;
}

void FileTypeList::txtFileType_LostFocus() {
    // Without the text there is nothing to check, and nothing to tell the user.
    bool valid = true;
    if (!TryStep([&] { valid = validateFileType(txtFileType_.Text()); }) || valid) {
        return;
    }
    TryStep([&] { msgBox_.Show(kInvalidTypeMessage, MsgBox::Style::Information, kMessageTitle); });
    TryStep([&] { txtFileType_.SetFocus(); });
    TryStep([&] { txtFileType_.SetSelStart(0); });
    TryStep([&] { txtFileType_.SetSelLength(static_cast<int>(txtFileType_.Text().size())); });
}

void FileTypeList::cmdAddFileType_Click() {
    try {
        const std::string type = Trim(txtFileType_.Text());
        if (type.empty()) {
            return;
        }
        for (int i = 0; i < lstFileType_.ListCount(); ++i) {
            if (lstFileType_.List(i) == type) {
                return;
            }
        }
        lstFileType_.AddItem(type);
        lstFileType_.SetSelected(lstFileType_.NewIndex(), true);
    } catch (const std::exception&) {
        // Abandoned silently; whatever was done before the failure stands.
    }
}

void FileTypeList::cmdDelete_Click() {
    // With no current item the removal fails, and the click does nothing.
    TryStep([&] { lstFileType_.RemoveItem(lstFileType_.ListIndex()); });
}

void FileTypeList::cmdLearList_Click() {
    MsgBox::Button answer = MsgBox::Button::No;
    TryStep(
        [&] { answer = msgBox_.Show(kClearListQuestion, MsgBox::Style::Question, kMessageTitle); });
    if (answer == MsgBox::Button::Yes) {
        TryStep([&] { lstFileType_.Clear(); });
    }
}

void FileTypeList::cmdClear_Click() {
    TryStep([&] { txtFileType_.SetText(""); });
}

}  // namespace kelvane
