// The merge run against `cat`: about 1 GiB of SQL-like sources merged through the code path
// the "Merge files" button takes, and concatenated by `cat` into the same folder, in turns.
// Then a source that is one 1 GiB line, merged in a process of its own whose peak resident
// size is reported.
//
//   bench_merge [folder] [repeats] [buffer KiB]
//
// The folder (default: a new one in the system's temporary folder) is emptied of what the
// benchmark made when it ends.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "merge/mergerun.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

constexpr int kFiles = 200;
constexpr std::size_t kFileSize = 5u << 20;
constexpr std::size_t kLongLine = std::size_t{1} << 30;

std::string SourceName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "part%03d.sql", i);
    return name;
}

void WriteCorpus(const fs::path& folder) {
    std::mt19937 random(7);
    const char* const customers[] = {"Acme Ltd", "Northwind", "O''Brien & Sons", "Zeta"};
    std::string text;
    for (int i = 0; i < kFiles; ++i) {
        text.clear();
        for (long id = i * 100000L; text.size() < kFileSize; ++id) {
            text += "INSERT INTO orders (id, customer, amount, note) VALUES (" +
                    std::to_string(id) + ", '" + customers[random() % 4] + "', " +
                    std::to_string(random() % 100000) + "." + std::to_string(random() % 100) +
                    ", '" + std::string(random() % 60, 'x') + "');\n";
        }
        std::ofstream(folder / SourceName(i), std::ios::binary).write(text.data(), text.size());
    }
}

// One merge run through MergeFiles, the way the button runs it; returns the seconds taken.
std::size_t bufferSize = FileServices::kDefaultBufferSize;

double MergeOnce(const fs::path& folder, const std::vector<std::string>& names,
                 const fs::path& target) {
    test::FakeFolderList folders;
    folders.SetPath(folder.string());
    test::FakeListWidget rows;
    for (const auto& name : names) {
        rows.AddItem(name);
    }
    test::FakeTextBox text;
    text.SetText(target.string());
    test::FakeSaveDialog dialog;
    test::FakeMsgBox messages;
    messages.answers = {MsgBox::Button::Yes};
    MergeRun run(text, folders, rows, dialog, messages, NativeFiles(), bufferSize);

    const auto start = std::chrono::steady_clock::now();
    run.cmdMerge_Click();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    for (const auto& shown : messages.shown) {
        std::cerr << "unexpected message: " << shown.text << "\n";
        std::exit(1);
    }
    return took.count();
}

double CatOnce(const fs::path& folder, const fs::path& target) {
    const std::string command =
        "cd '" + folder.string() + "' && cat part*.sql > '" + target.string() + "'";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::cerr << "cat failed\n";
        std::exit(1);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Runs in a process of its own: merges the one-line source and exits.
int MergeOneLine(const fs::path& folder) {
    MergeOnce(folder, {"oneline.txt"}, folder / "oneline-merged.txt");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3) {
        bufferSize = static_cast<std::size_t>(std::max(1, std::atoi(argv[3]))) * 1024;
    }
    if (argc >= 3 && std::string(argv[1]) == "--one-line") {
        return MergeOneLine(argv[2]);
    }
    const bool ownFolder = argc < 2;
    const fs::path folder =
        ownFolder ? fs::temp_directory_path() / ("kelvane-bench-" + std::to_string(getpid()))
                  : fs::path(argv[1]);
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    fs::create_directories(folder);

    std::cout << "Buffers of " << bufferSize / 1024 << " KiB. Writing " << kFiles << " sources of "
              << (kFileSize >> 20) << " MiB in " << folder.string() << "\n";
    WriteCorpus(folder);
    std::vector<std::string> names;
    for (int i = 0; i < kFiles; ++i) {
        names.push_back(SourceName(i));
    }
    const fs::path merged = folder / "merged.out";
    const fs::path catted = folder / "cat.out";

    // One warm-up of each, so that both find the sources in the page cache.
    CatOnce(folder, catted);
    MergeOnce(folder, names, merged);
    std::vector<double> catTimes;
    std::vector<double> mergeTimes;
    for (int i = 0; i < repeats; ++i) {
        fs::remove(catted);
        fs::remove(merged);
        ::sync();
        catTimes.push_back(CatOnce(folder, catted));
        fs::remove(catted);
        fs::remove(merged);
        ::sync();
        mergeTimes.push_back(MergeOnce(folder, names, merged));
        std::printf("  run %d: cat %.3f s, merge %.3f s, ratio %.3f\n", i + 1, catTimes.back(),
                    mergeTimes.back(), mergeTimes.back() / catTimes.back());
    }
    const double catBest = *std::min_element(catTimes.begin(), catTimes.end());
    const double mergeBest = *std::min_element(mergeTimes.begin(), mergeTimes.end());
    std::printf("cat:   best %.3f s, median %.3f s\n", catBest, Median(catTimes));
    std::printf("merge: best %.3f s, median %.3f s\n", mergeBest, Median(mergeTimes));
    std::printf("merge / cat: best %.3f, median %.3f (required at most 1.15)\n",
                mergeBest / catBest, Median(mergeTimes) / Median(catTimes));
    std::uintmax_t corpus = 0;
    for (const auto& name : names) {
        corpus += fs::file_size(folder / name);
    }
    std::printf("sources %ju bytes, target %ju bytes\n", corpus,
                static_cast<std::uintmax_t>(fs::file_size(merged)));
    for (const auto& name : names) {
        fs::remove(folder / name);
    }
    fs::remove(merged);
    fs::remove(catted);

    // A source of one 1 GiB line, merged by a child process that does nothing else.
    {
        std::ofstream out(folder / "oneline.txt", std::ios::binary);
        const std::string block(1 << 20, 'L');
        for (std::size_t done = 0; done < kLongLine; done += block.size()) {
            out.write(block.data(), block.size());
        }
        out.write("\n", 1);
    }
    const pid_t child = fork();
    if (child == 0) {
        const std::string kib = std::to_string(bufferSize / 1024);
        execl("/proc/self/exe", argv[0], "--one-line", folder.c_str(), kib.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                    fs::file_size(folder / "oneline-merged.txt") == kLongLine + 2;
    std::printf("one 1 GiB line: %s, peak resident size %.1f MiB (required under 64)\n",
                ok ? "merged" : "FAILED", usage.ru_maxrss / 1024.0);
    fs::remove(folder / "oneline.txt");
    fs::remove(folder / "oneline-merged.txt");
    if (ownFolder) {
        fs::remove(folder);
    }
    return ok ? 0 : 1;
}
