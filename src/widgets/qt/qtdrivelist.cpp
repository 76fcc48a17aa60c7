#include "qtdrivelist.h"

#include <QDir>
#include <QStorageInfo>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>
#include <set>

#include "localtext.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

namespace {

bool StartsWithFolder(const std::string& path, const std::string& folder) {
    if (path.compare(0, folder.size(), folder) != 0) {
        return false;
    }
    return path.size() == folder.size() || folder.back() == '/' || folder.back() == '\\' ||
           path[folder.size()] == '/' || path[folder.size()] == '\\';
}

// Mounts that hold no user data, by their top folder.
bool IsSystemFolder(const std::string& root) {
    static const char* const kSystem[] = {
        "/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib/docker", "/var/snap"};
    if (StartsWithFolder(root, "/run/media")) {
        return false;  // removable media mounted for the user
    }
    return std::any_of(std::begin(kSystem), std::end(kSystem),
                       [&root](const char* folder) { return StartsWithFolder(root, folder); });
}

bool HoldsUserData(const QStorageInfo& volume) {
    static const std::set<std::string> kNetwork = {"nfs",   "nfs4",       "cifs", "smb3",
                                                   "smbfs", "fuse.sshfs", "9p",   "virtiofs"};
    const std::string type = volume.fileSystemType().toStdString();
    const std::string device = volume.device().toStdString();
    return device.rfind("/dev/", 0) == 0 ? type != "squashfs" : kNetwork.count(type) != 0;
}

}  // namespace

QtDriveList::QtDriveList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    Fill();
    connect(this, &QComboBox::activated, this, &QtDriveList::OnActivated);
}

std::vector<std::string> QtDriveList::Volumes() {
    std::vector<std::string> roots;
    const std::string root = ToLocal(QDir::rootPath());
    roots.push_back(root);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) {
            continue;
        }
        const std::string top = ToLocal(volume.rootPath());
        if (top == root || IsSystemFolder(top) || !HoldsUserData(volume)) {
            continue;
        }
        if (std::find(roots.begin(), roots.end(), top) == roots.end()) {
            roots.push_back(top);
        }
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

void QtDriveList::Fill() {
    const QSignalBlocker blocker(this);
    clear();
    for (const std::string& volume : Volumes()) {
        addItem(FromLocal(volume), FromLocal(volume));
    }
    int current = findData(FromLocal(drive_));
    if (current < 0 && !drive_.empty()) {
        addItem(FromLocal(drive_), FromLocal(drive_));  // chosen before it went away
        current = count() - 1;
    }
    if (current < 0) {
        current = 0;
        drive_ = ToLocal(itemData(0).toString());
    }
    setCurrentIndex(current);
}

std::string QtDriveList::Drive() const {
    return drive_;
}

void QtDriveList::SetDrive(const std::string& drive) {
    std::string path = drive;
    if (!path.empty() && std::filesystem::path(path).is_relative()) {
        path = (std::filesystem::current_path() / path).lexically_normal().string();
    }
    int best = -1;
    std::size_t bestLength = 0;
    for (int index = 0; index < count(); ++index) {
        const std::string top = ToLocal(itemData(index).toString());
        if (StartsWithFolder(path, top) && (best < 0 || top.size() > bestLength)) {
            best = index;
            bestLength = top.size();
        }
    }
    if (best < 0) {
        throw WidgetError("no drive holds " + drive);
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
    drive_ = ToLocal(itemData(best).toString());
}

void QtDriveList::showPopup() {
    Fill();
    QComboBox::showPopup();
}

void QtDriveList::wheelEvent(QWheelEvent* event) {
    // A notch of the wheel passing over the closed list is no pick: left to the controls below.
    event->ignore();
}

void QtDriveList::OnActivated(int index) {
    // Every pick is a change, the chosen drive's too: it is how the user opens a drive whose
    // folder list has nothing open (a start folder that can't be listed, one that went away).
    drive_ = ToLocal(itemData(index).toString());
    emit Change();
}

}  // namespace kelvane::qt
