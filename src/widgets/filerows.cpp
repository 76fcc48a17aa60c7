#include "filerows.h"

#include <algorithm>
#include <utility>

#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane {

void FileRows::SetPath(const std::string& path) {
    FolderContents contents = ReadFolder(path);  // raises WidgetError, leaving the list as it was
    std::vector<std::string>& names = contents.files;
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    const std::size_t count = names.size();
    ShowNames(std::move(names));
    path_ = path;
    copy_.Load(std::vector<char>(count, 0));
}

std::string FileRows::List(int index) const {
    Check(index);
    return RowText(index);
}

void FileRows::LoadCopy() const {
    if (!copy_.Loaded()) {
        copy_.Load(ReadSelection());
    }
}

bool FileRows::Selected(int index) const {
    Check(index);
    LoadCopy();
    return copy_.Get(static_cast<std::size_t>(index));
}

void FileRows::SetSelected(int index, bool selected) {
    Check(index);
    LoadCopy();
    if (copy_.Set(static_cast<std::size_t>(index), selected) && !flushQueued_) {
        flushQueued_ = QueueFlush();
    }
}

void FileRows::FlushSelection() {
    flushQueued_ = false;
    if (!copy_.Written()) {
        return;
    }
    copy_.MarkHandedBack();
    WriteSelection(copy_.Flags());
}

}  // namespace kelvane
