#pragma once

#include <functional>
#include <string>

#include "widgets/controlevents.h"
#include "widgets/drivelist.h"
#include "widgets/filelist.h"
#include "widgets/folderlist.h"
#include "widgets/form.h"
#include "widgets/listwidget.h"
#include "widgets/mouseevent.h"
#include "widgets/textbox.h"

namespace kelvane {

// A window a toolkit built from its FormDesign. Its controls are reached by control name as the
// widget each kind is; asking for a name the window lacks, or for the wrong kind, raises
// WidgetError.
//
// Handlers run on the toolkit's one thread, inside its event loop. The mouse events carry what
// the toolkit knows of the button, keys and position; the other events an empty MouseEvent.
class Window : public Form {
  public:
    using Handler = std::function<void(const MouseEvent&)>;

    virtual TextBox& TextBoxNamed(const std::string& name) = 0;
    virtual ListWidget& ListNamed(const std::string& name) = 0;
    virtual DriveList& DriveListNamed(const std::string& name) = 0;
    virtual FolderList& FolderListNamed(const std::string& name) = 0;
    virtual FileList& FileListNamed(const std::string& name) = 0;

    // Calls `handler` whenever the control raises `event`; one handler per control and event.
    virtual void On(const std::string& control, Event event, Handler handler) = 0;
    // Calls `handler` once the window has been unloaded, however it was closed.
    virtual void OnUnload(std::function<void()> handler) = 0;

    // Shows the window, not modally, with the focus on the first control of the Tab order.
    virtual void Show() = 0;
};

}  // namespace kelvane
