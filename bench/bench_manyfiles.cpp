// What a merge costs for each file it merges, side by side with the least any program reading
// the same files could spend: 15,000 files of one line each, merged through the code path the
// "Merge files" button takes, and read by a bare loop that opens each file with the system's own
// call, reads it to its end and closes it. The two are timed in turns, the files' data in the
// system's cache for both, and each merge is taken as a ratio to the bare loop of its turn. The
// median ratio must be at most 1.3, or the program prints FAILED and exits with 1.
//
// Built for Windows too: there the bare loop uses CreateFileW, ReadFile and CloseHandle (bench/run
// runs it under wine where wine is installed).
//
//   bench_manyfiles [turns] [files] [folder]
//
// The folder defaults to /dev/shm where there is one (not on Windows), else the system's
// temporary folder.

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "benchtools.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "pages/merge/mergepage.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

constexpr double kMostTimesBare = 1.3;

// Opens each file, reads it to its end and closes it; returns the bytes read.
std::size_t BareLoop(const std::vector<fs::path>& paths) {
    static char buffer[64 * 1024];
    std::size_t total = 0;
    for (const fs::path& path : paths) {
#ifdef _WIN32
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD got = 0;
        while (file != INVALID_HANDLE_VALUE &&
               ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            total += got;
        }
        CloseHandle(file);
#else
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ssize_t got = 0;
        while (file >= 0 && (got = ::read(file, buffer, sizeof buffer)) > 0) {
            total += static_cast<std::size_t>(got);
        }
        ::close(file);
#endif
    }
    return total;
}

// The window's side of a merge run over the sources: the folder, the rows and the target, set
// up once, outside the times taken.
struct Window {
    Window(const fs::path& folder, const std::vector<std::string>& names, const fs::path& target) {
        folders.SetPath(folder.string());
        for (const auto& name : names) {
            rows.AddItem(name);
        }
        text.SetText(target.string());
    }

    // One merge run through MergeFiles, the way the button runs it.
    void Merge() {
        MergePage page(text, folders, rows, dialog, messages);
        page.cmdMerge_Click();
        for (const auto& shown : messages.shown) {
            std::fprintf(stderr, "unexpected message: %s\n", shown.text.c_str());
            std::exit(1);
        }
    }

    test::FakeFolderList folders;
    test::FakeListWidget rows;
    test::FakeTextBox text;
    test::FakeSaveDialog dialog;
    test::FakeMsgBox messages;
};

}  // namespace

int main(int argc, char** argv) {
    const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15000;
    const fs::path parent = argc > 3 ? fs::path(argv[3]) : MemoryFolder();
    const fs::path root =
        parent / ("kelvane-manyfiles-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path folder = root / "sources";
    fs::create_directories(folder);
    std::vector<std::string> names;
    std::vector<fs::path> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "part%05d.txt", i);
        names.push_back(name);
        paths.push_back(folder / name);
        std::ofstream(folder / name, std::ios::binary) << "INSERT INTO t VALUES (" << i << ");\n";
    }
    const fs::path target = root / "merged.txt";
    Window window(folder, names, target);

    std::printf("%d files of one line in %s; %d turns.\n", count, folder.string().c_str(), turns);
    std::vector<double> bare;
    std::vector<double> ratio;
    for (int turn = -1; turn < turns; ++turn) {  // turn -1 brings the files into the cache
        fs::remove(target);
        std::size_t read = 0;
        const double bareSeconds = Seconds([&] { read = BareLoop(paths); });
        const double mergeSeconds = Seconds([&] { window.Merge(); });
        const std::uintmax_t merged = fs::file_size(target);
        if (merged != read + static_cast<std::uintmax_t>(count)) {
            std::fprintf(stderr, "the merge wrote %ju bytes for %zu read\n", merged, read);
            return 1;
        }
        if (turn >= 0) {
            bare.push_back(bareSeconds);
            ratio.push_back(mergeSeconds / bareSeconds);
        }
    }
    fs::remove_all(root);

    const double median = Median(ratio);
    const bool met = median <= kMostTimesBare;
    std::printf("  bare open, read, close  median %.3f s  (%.1f us a file)\n", Median(bare),
                Median(bare) * 1e6 / count);
    std::printf("  merge                   median %.2f x the bare loop (best %.2f)\n", median,
                *std::min_element(ratio.begin(), ratio.end()));
    std::printf("  %s: merge / bare loop %.2f, at most %.2f required\n", met ? "ok" : "FAILED",
                median, kMostTimesBare);
    return met ? 0 : 1;
}
