#pragma once

#include <string>
#include <vector>

#include "widgets/drivelist.h"
#include "widgets/filelist.h"
#include "widgets/folderlist.h"
#include "widgets/listwidget.h"
#include "widgets/mouseevent.h"

namespace kelvane {

// Browsing drive, folder and files, and turning the picks of the file list into the merge list.
class SourceSelection {
  public:
    SourceSelection(DriveList& myDrive, FolderList& myFolders, FileList& fileList,
                    ListWidget& lstFileSelect, const ListWidget& lstFileType);

    void myDrive_Change();
    // Moves the file list to the open folder, and sets the drive list to the drive it is on.
    void myFolders_Change();
    void fileList_MouseUp(const MouseEvent& event);

    // Rebuilds the merge list from the selected files of an accepted type, and unselects the
    // selected files of any other type.
    void SelectValidFiles();

  private:
    // True when the extension of sfile (in folder sPath) is one of the accepted types, read
    // once for a walk and upper-cased. False when a step fails.
    static bool bIsValidFileType(const std::string& sPath, const std::string& sfile,
                                 const std::vector<std::string>& upperTypes);
    // The accepted types as they stand now, upper-cased, in list order. A list that can't be
    // read to its end gives the types read before the failure.
    std::vector<std::string> AcceptedTypes() const;

    DriveList& myDrive_;
    FolderList& myFolders_;
    FileList& fileList_;
    ListWidget& lstFileSelect_;
    const ListWidget& lstFileType_;
};

}  // namespace kelvane
