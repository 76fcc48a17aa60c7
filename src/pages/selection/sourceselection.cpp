#include "sourceselection.h"

#include <algorithm>
#include <cstddef>
#include <exception>

#include "base/pathname.h"
#include "base/text.h"
#include "widgets/widgeterror.h"

namespace kelvane {

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
    try {
        // The drive shown is the one the open folder is on, wherever the folder list went (up
        // above a volume's top folder, say), so that picking a drive is always a move to it.
        // Setting it raises no drive change.
        myDrive_.SetDrive(myFolders_.Path());
    } catch (const WidgetError&) {
        // A folder on no listed drive leaves the drive list as it was.
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
    const std::vector<std::string> upperTypes = AcceptedTypes();

    for (int i = 0; i < count; ++i) {
        const std::string name = fileList_.List(i);
        if (!fileList_.Selected(i)) {
            continue;
        }
        if (bIsValidFileType(folder, name, upperTypes)) {
            lstFileSelect_.AddItem(name);
        } else {
            fileList_.SetSelected(i, false);
        }
    }
}

bool SourceSelection::bIsValidFileType(const std::string& sPath, const std::string& sfile,
                                       const std::vector<std::string>& upperTypes) {
    try {
        const std::string extension = UCase(GetExtensionName(JoinFolder(sPath, sfile)));
        return std::find(upperTypes.begin(), upperTypes.end(), extension) != upperTypes.end();
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

}  // namespace kelvane
