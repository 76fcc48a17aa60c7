// The Windows lists on a folder of 100,000 files, in the main window as the program builds it:
// moving the file list to the folder, and selecting every file followed by the release that
// rebuilds the merge list from them; each up to the lists drawn. Side by side, in the same run,
// the least the same work costs: the folder read and sorted, and a plain list box of the
// system's (strings kept by the list box, no drawing of ours) filled with the same names with its
// drawing held back. The figures are ratios to those; a bar that isn't met prints FAILED and the
// program exits with 1. Built for Windows only; bench/run runs it under wine.
//
//   bench_win32lists [files] [folder]
//
// Without a folder it makes one in the temporary folder: part0.txt, part1.log, part2.txt ... and
// an empty folder "empty". Under wine that takes minutes, so bench/run makes it beforehand.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "benchtools.h"
#include "pages/main/frmmaindesign.h"
#include "pages/selection/sourceselection.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/plaincontrols.h"
#include "widgets/win32/win32api.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace {

using namespace kelvane;
using namespace kelvane::win32;

// The bars: how many times the least work each figure may cost.
constexpr double kMostFillVsLeast = 1.5;
constexpr double kMostRebuildVsPlainFill = 2.5;

// The best of three runs, each after `prepare`, which isn't timed.
double Best(const std::function<void()>& prepare, const std::function<void()>& work) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        prepare();
        best = std::min(best, Seconds(work));
    }
    return best;
}

// Handles what is waiting and draws the window now: a figure covers everything up to lists the
// user can see and use.
void Settle(HWND window) {
    PumpPending();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
}

// Every second file a .log, the others .txt, numbered so that they alternate in the list; and
// an empty folder in it.
std::wstring MakeFolder(int files) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"kelvane-lists-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\empty").c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        const std::wstring name =
            folder + L"\\part" + std::to_wstring(i) + (i % 2 == 0 ? L".txt" : L".log");
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
    return folder;
}

void RemoveFolder(const std::wstring& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        DeleteFileW((folder + L"\\" + ToWideShown(name)).c_str());
    }
    RemoveDirectoryW((folder + L"\\empty").c_str());
    RemoveDirectoryW(folder.c_str());
}

// A plain list box of the system's, as large as the file list, in a window of its own.
class PlainList {
  public:
    PlainList() {
        window_ = CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP | WS_VISIBLE, 600, 0, 200, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                                    LBS_EXTENDEDSEL | LBS_HASSTRINGS,
                                0, 0, 200, 300, window_, nullptr, nullptr, nullptr);
    }
    ~PlainList() { DestroyWindow(window_); }

    void Fill(const std::vector<std::string>& names) {
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        SendMessageW(list_, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(names.size() * 32));
        for (const std::string& name : names) {
            SendMessageW(list_, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ToWideShown(name).c_str()));
        }
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        Settle(window_);
    }
    void Clear() {
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        Settle(window_);
    }
    int Count() const { return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

  private:
    HWND window_ = nullptr;
    HWND list_ = nullptr;
};

bool Check(const char* what, double ratio, double bar) {
    const bool met = ratio <= bar;
    std::printf("%s %s: %.2fx (bar: %.2fx)\n", met ? "met:" : "FAILED:", what, ratio, bar);
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (argc <= 2) {
        std::printf("making %d files...\n", files);
    }
    const std::wstring wideFolder = argc > 2 ? ToWideShown(argv[2]) : MakeFolder(files);
    const std::string folder = FromWide(wideFolder);

    Win32Toolkit toolkit(96);
    const auto window = toolkit.Build(frmMainDesign());
    auto& form = dynamic_cast<Win32Window&>(*window);
    form.Show();
    DriveList& myDrive = form.DriveListNamed("myDrive");
    FolderList& myFolders = form.FolderListNamed("myFolders");
    FileList& fileList = form.FileListNamed("fileList");
    ListWidget& lstFileSelect = form.ListNamed("lstFileSelect");
    ListWidget& lstFileType = form.ListNamed("lstFileType");
    SourceSelection selection(myDrive, myFolders, fileList, lstFileSelect, lstFileType);
    for (const char* type : {"TXT", "SQL", "DAT", "LOG"}) {
        lstFileType.AddItem(type);
    }
    myFolders.SetPath(folder);
    Settle(form.Hwnd());
    HWND files32 = form.Find("fileList")->Hwnd();

    // The least work: the folder read and sorted, and a plain list box filled with its names.
    std::vector<std::string> names;
    const double read = Best([] {},
                             [&] {
                                 names = ReadFolder(folder).files;
                                 std::sort(names.begin(), names.end(), NaturalLess);
                             });
    PlainList plain;
    const double plainFill = Best([&] { plain.Clear(); }, [&] { plain.Fill(names); });

    // 1. The file list moved to the folder (from an empty one), until it is drawn.
    const std::string empty = folder + "\\empty";
    const double fill = Best(
        [&] {
            fileList.SetPath(empty);
            Settle(form.Hwnd());
        },
        [&] {
            fileList.SetPath(folder);
            Settle(form.Hwnd());
        });

    // 2. Every file selected, then the release that takes them over: with .log accepted, all of
    // them go to the merge list; without, every second one is unselected again.
    double selectAll = 0;
    const auto prepare = [&] {
        SendMessageW(files32, LB_SETSEL, FALSE, -1);
        Settle(form.Hwnd());
        selectAll = Seconds([&] {
            SendMessageW(files32, LB_SETSEL, TRUE, -1);
            Settle(form.Hwnd());
        });
    };
    const auto release = [&] {
        selection.fileList_MouseUp(MouseEvent{});
        Settle(form.Hwnd());
    };
    const double all = Best(prepare, release);
    const int allMerged = lstFileSelect.ListCount();
    lstFileType.RemoveItem(lstFileType.ListCount() - 1);
    const double half = Best(prepare, release);
    const int halfMerged = lstFileSelect.ListCount();
    int leftSelected = 0;
    for (int i = 0; i < fileList.ListCount(); ++i) {
        leftSelected += fileList.Selected(i) ? 1 : 0;
    }

    std::printf("\n%d files, best of three runs each\n", files);
    std::printf("%-58s %7.3f s\n", "least: the folder read and sorted", read);
    std::printf("%-58s %7.3f s\n", "least: a plain list box filled with its names", plainFill);
    std::printf("%-58s %7.3f s  %5.2fx the least\n", "1. the file list moved to the folder", fill,
                fill / (read + plainFill));
    std::printf("%-58s %7.3f s  %5.2fx a plain fill\n",
                "2. select all + rebuild of the merge list (all accepted)", selectAll + all,
                (selectAll + all) / plainFill);
    std::printf("%-58s %7.3f s  %5.2fx a plain fill\n",
                "3. select all + rebuild (every second refused)", selectAll + half,
                (selectAll + half) / plainFill);
    std::printf("   (the select-all itself took %.3f s)\n", selectAll);
    std::printf("check: %d files listed, merged %d then %d, %d left selected; plain list %d\n",
                fileList.ListCount(), allMerged, halfMerged, leftSelected, plain.Count());

    bool met = true;
    met &= Check("the file list moved to the folder vs the least", fill / (read + plainFill),
                 kMostFillVsLeast);
    met &= Check("select all + rebuild (all accepted) vs a plain fill",
                 (selectAll + all) / plainFill, kMostRebuildVsPlainFill);
    met &= Check("select all + rebuild (every second refused) vs a plain fill",
                 (selectAll + half) / plainFill, kMostRebuildVsPlainFill);
    const bool sound = fileList.ListCount() == files && allMerged == files &&
                       halfMerged == files / 2 + files % 2 && leftSelected == halfMerged;
    if (!sound) {
        std::printf("FAILED: the lists didn't end as they should\n");
    }
    if (argc <= 2) {
        RemoveFolder(wideFolder, names);
    }
    return met && sound ? 0 : 1;
}
