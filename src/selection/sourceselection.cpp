#include "sourceselection.h"

#include <cstddef>
#include <exception>
#include <string_view>

#include "merge/pathname.h"
#include "widgets/text.h"
#include "widgets/widgeterror.h"

namespace kelvane {

namespace {

// True when UCase(text) == upper, without building the upper-cased copy.
bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != upper[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

SourceSelection::SourceSelection(DriveList& myDrive, FolderList& myFolders, FileList& fileList,
                                 ListWidget& lstFileSelect, const ListWidget& lstFileType)
    : myDrive_(myDrive),
      myFolders_(myFolders),
      fileList_(fileList),
      lstFileSelect_(lstFileSelect),
      lstFileType_(lstFileType) {}

void SourceSelection::myDrive_Change() {
    try {
        // The folder list raises its own change, which carries the file list along.
        myFolders_.SetPath(myDrive_.Drive());
    } catch (const WidgetError&) {
        // A drive that can't be opened leaves the folder and file lists where they were.
    }
}

void SourceSelection::myFolders_Change() {
    try {
        fileList_.SetPath(myFolders_.Path());
    } catch (const WidgetError&) {
        // A folder that can't be listed leaves the file list as it was.
    }
}

void SourceSelection::fileList_MouseUp(const MouseEvent& /*event*/) {
    // Any button, wherever it is released, takes over the picks.
    SelectValidFiles();
}

void SourceSelection::SelectValidFiles() {
    const int count = fileList_.ListCount();
    if (count == 0) {
        return;  // an empty folder keeps the merge list as it was
    }
    lstFileSelect_.Clear();

    // Neither the highlighted folder nor the accepted types change while the list is walked,
    // so both are read once for the whole walk.
    const std::string folder = myFolders_.List(myFolders_.ListIndex());
    const std::string folderPrefix = JoinFolder(folder, "");
    const std::vector<std::string> upperTypes = AcceptedTypes();
    std::string fullName;

    for (int i = 0; i < count; ++i) {
        const std::string name = fileList_.List(i);
        if (!fileList_.Selected(i)) {
            continue;
        }
        if (HasAcceptedType(folderPrefix, name, upperTypes, fullName)) {
            lstFileSelect_.AddItem(name);
        } else {
            fileList_.SetSelected(i, false);
        }
    }
    if (lstFileSelect_.ListIndex() != -1) {
        lstFileSelect_.SetListIndex(-1);
    }
}

bool SourceSelection::bIsValidFileType(const std::string& sPath, const std::string& sfile) const {
    try {
        std::string fullName;
        return HasAcceptedType(JoinFolder(sPath, ""), sfile, AcceptedTypes(), fullName);
    } catch (const std::exception&) {
        return false;  // any step that fails leaves the file not accepted
    }
}

std::vector<std::string> SourceSelection::AcceptedTypes() const {
    std::vector<std::string> upperTypes;
    try {
        const int count = lstFileType_.ListCount();
        upperTypes.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
        for (int i = 0; i < count; ++i) {
            upperTypes.push_back(UCase(lstFileType_.List(i)));
        }
    } catch (const std::exception&) {
        // A type that can't be read ends the walk: only the types before it can match.
    }
    return upperTypes;
}

bool SourceSelection::HasAcceptedType(const std::string& folderPrefix, const std::string& sfile,
                                      const std::vector<std::string>& upperTypes,
                                      std::string& fullName) {
    try {
        fullName.assign(folderPrefix);
        fullName.append(sfile);
        const std::string extension = GetExtensionName(fullName);
        for (const std::string& type : upperTypes) {
            if (EqualsUpper(extension, type)) {
                return true;
            }
        }
    } catch (const std::exception&) {
        // A name whose type can't be taken is not accepted.
    }
    return false;
}

}  // namespace kelvane
