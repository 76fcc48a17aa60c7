// The merge run against `cat`, side by side: about 1 GiB of sources merged through the code path
// the "Merge files" button takes, and concatenated by `cat` into the same folder, in turns. Two
// corpora, SQL statements (lines of about 120 bytes) and data records (about 54 bytes), each in
// two places: in memory (/dev/shm), where nothing hides the cost of the line-end conversion,
// and in the system's temporary folder on disk; then many small files of data records in both.
// Next to them, a plain copy that reads, copies once more in memory and writes: about the least
// any converting copy could cost; and the merge with its target written on the run's own thread,
// one step after another, wherever the target is. Then a source that is one 1 GiB line, merged
// in a process of its own whose peak resident size is reported.
//
//   bench_merge [repeats] [buffer KiB] [buffers behind]
//
// Times are wall-clock; each ratio to `cat` is the median of the ratios of the runs, taken turn
// by turn, with the same for the processor time used (user and system, `cat`'s shell
// included) beside it. Bars: with the data records in memory, the merge takes at most the wall
// time of `cat` and at most 1.3 times its processor time; on disk, at most 0.7 times the wall
// time of `cat`; and the 1 GiB line is merged in under 64 MiB. A bar not met prints FAILED and
// the program exits with 1.
//
// `cat` copies each file inside the system (copy_file_range), once; the merge must see each byte
// on its way, so it copies it at least twice, and on one processor takes at least the plain
// copy's time. On disk it writes on another processor while it reads and converts. In memory
// it doesn't (MergeJob): there the merge and "one thread" are the same run.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <thread>
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

constexpr std::size_t kLongLine = std::size_t{1} << 30;
constexpr double kMostTimesCat = 1.0;
constexpr double kMostTimesCatOnDisk = 0.7;
constexpr double kMostProcessorTimesCat = 1.3;
constexpr double kMostMiB = 64;

std::size_t bufferSize = MergeJob::kDefaultBufferSize;
std::size_t buffersBehind = MergeJob::kDefaultBuffersBehind;

// The first line of `path` (a file of the kernel's), empty when there is none.
std::string FirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The machine the figures come from, so that figures of different machines can be read side by
// side: the processor's model, how many processors the program may use, and the caches of the
// first one.
void PrintMachine() {
    std::string model = "unknown processor";
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0 && line.find(':') != std::string::npos) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    std::string caches;
    const fs::path cache = "/sys/devices/system/cpu/cpu0/cache";
    for (int i = 0; fs::exists(cache / ("index" + std::to_string(i))); ++i) {
        const fs::path index = cache / ("index" + std::to_string(i));
        const std::string type = FirstLine(index / "type");
        caches += (caches.empty() ? "" : ", ") + std::string("L") + FirstLine(index / "level") +
                  (type == "Data"          ? "d"
                   : type == "Instruction" ? "i"
                                           : "") +
                  " " + FirstLine(index / "size");
    }
    std::printf("Machine: %s; %u processors; caches of one: %s\n", model.c_str(),
                std::thread::hardware_concurrency(), caches.empty() ? "unknown" : caches.c_str());
}

std::string SourceName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "part%05d.txt", i);
    return name;
}

// INSERT statements with a note of 0 to 59 characters: lines of about 120 bytes.
void AppendStatement(std::string& text, long id, std::mt19937& random) {
    const char* const customers[] = {"Acme Ltd", "Northwind", "O''Brien & Sons", "Zeta"};
    text += "INSERT INTO orders (id, customer, amount, note) VALUES (" + std::to_string(id) +
            ", '" + customers[random() % 4] + "', " + std::to_string(random() % 100000) + "." +
            std::to_string(random() % 100) + ", '" + std::string(random() % 60, 'x') + "');\n";
}

// Comma-separated records: lines of about 54 bytes.
void AppendRecord(std::string& text, long id, std::mt19937& random) {
    const char* const customers[] = {"Acme Ltd", "Northwind", "O'Brien & Sons", "Zeta"};
    char date[16];
    std::snprintf(date, sizeof date, "2024-%02u-%02u", static_cast<unsigned>(random() % 12 + 1),
                  static_cast<unsigned>(random() % 28 + 1));
    text += std::to_string(id) + "," + customers[random() % 4] + "," +
            std::to_string(random() % 100000) + "." + std::to_string(random() % 100) + "," + date +
            "," + std::string(random() % 28, 'x') + "\n";
}

struct Corpus {
    const char* name;
    void (*append)(std::string&, long, std::mt19937&);
    int files;
    std::size_t fileSize;
};

const Corpus kSqlLines = {"SQL lines", AppendStatement, 200, 5u << 20};
const Corpus kDataLines = {"data lines", AppendRecord, 200, 5u << 20};
const Corpus kSmallFiles = {"small files", AppendRecord, 20000, 1024};
const Corpus* const kCorpora[] = {&kSqlLines, &kDataLines, &kSmallFiles};

// What a corpus holds: every line ends in a lone LF, so a merge writes one byte more a line.
struct Written {
    std::size_t bytes;
    std::size_t lines;
};

Written WriteCorpus(const fs::path& folder, const Corpus& corpus) {
    std::mt19937 random(7);
    std::string text;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    for (int i = 0; i < corpus.files; ++i) {
        text.clear();
        for (long id = i * 1000000L; text.size() < corpus.fileSize; ++id) {
            corpus.append(text, id, random);
            ++lines;
        }
        bytes += text.size();
        std::ofstream(folder / SourceName(i), std::ios::binary).write(text.data(), text.size());
    }
    return {bytes, lines};
}

// Processor time used so far, in seconds, by this process and by the children it waited for.
double ProcessorSeconds() {
    double seconds = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        seconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    }
    return seconds;
}

struct Timing {
    double wall;
    double processor;
};

Timing Time(const std::function<void()>& work) {
    const double processor = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), ProcessorSeconds() - processor};
}

// One merge run through MergeFiles, the way the button runs it, with `behind` buffers written
// behind.
void MergeOnce(const fs::path& folder, const std::vector<std::string>& names,
               const fs::path& target, std::size_t behind = buffersBehind) {
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
    MergePage page(text, folders, rows, dialog, messages, NativeFiles(), bufferSize, behind);
    page.cmdMerge_Click();
    for (const auto& shown : messages.shown) {
        std::cerr << "unexpected message: " << shown.text << "\n";
        std::exit(1);
    }
}

void CatOnce(const fs::path& folder, const fs::path& target) {
    const std::string command =
        "cd '" + folder.string() + "' && cat part*.txt > '" + target.string() + "'";
    if (std::system(command.c_str()) != 0) {
        std::cerr << "cat failed\n";
        std::exit(1);
    }
}

// Reads each source, copies what was read once more in memory, and writes it: no line is looked
// at. What a converting copy costs beyond this is the conversion's.
void PlainCopyOnce(const fs::path& folder, const std::vector<std::string>& names,
                   const fs::path& target) {
    const auto in = std::make_unique_for_overwrite<char[]>(bufferSize);
    const auto out = std::make_unique_for_overwrite<char[]>(bufferSize);
    const int to = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = to >= 0;
    for (const auto& name : names) {
        const int from = ::open((folder / name).c_str(), O_RDONLY | O_CLOEXEC);
        ok = ok && from >= 0;
        ssize_t n = 0;
        while (ok && (n = ::read(from, in.get(), bufferSize)) > 0) {
            std::memcpy(out.get(), in.get(), static_cast<std::size_t>(n));
            ok = ::write(to, out.get(), static_cast<std::size_t>(n)) == n;
        }
        ok = ok && n == 0;
        if (from >= 0) {
            ::close(from);
        }
    }
    if (to < 0 || ::close(to) != 0 || !ok) {
        std::cerr << "the plain copy failed\n";
        std::exit(1);
    }
}

double Best(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

// The merge's median ratios to cat.
struct Ratios {
    double wall;
    double processor;
};

// Times cat, the plain copy, the merge on one thread and the merge in turns on one corpus in one
// folder and prints the figures. Each run's ratios are taken against the cat of the same turn,
// so that a machine that gets busier or quieter between turns moves all alike.
Ratios Measure(const fs::path& folder, const char* place, const Corpus& corpus, int repeats) {
    const Written written = WriteCorpus(folder, corpus);
    const double lineLength =
        static_cast<double>(written.bytes) / static_cast<double>(written.lines);
    std::vector<std::string> names;
    for (int i = 0; i < corpus.files; ++i) {
        names.push_back(SourceName(i));
    }
    const fs::path target = folder / "target.out";
    constexpr int kTools = 4;
    const std::function<void()> tools[kTools] = {
        [&] { CatOnce(folder, target); }, [&] { PlainCopyOnce(folder, names, target); },
        [&] { MergeOnce(folder, names, target, 0); }, [&] { MergeOnce(folder, names, target); }};
    std::vector<double> wall[kTools];
    std::vector<double> ratio[kTools];
    std::vector<double> processorRatio[kTools];
    for (int run = -1; run < repeats; ++run) {  // run -1 warms the page cache up
        Timing timings[kTools];
        for (int tool = 0; tool < kTools; ++tool) {
            fs::remove(target);
            ::sync();
            timings[tool] = Time(tools[tool]);
            // A merge that wrote less than it should would be quick for the wrong reason.
            if (const std::uintmax_t size = fs::file_size(target);
                tool >= 2 && size != written.bytes + written.lines) {
                std::printf("%s %s: FAILED, the merge wrote %ju bytes, not %zu\n", place,
                            corpus.name, size, written.bytes + written.lines);
                std::exit(1);
            }
        }
        for (int tool = 0; run >= 0 && tool < kTools; ++tool) {
            wall[tool].push_back(timings[tool].wall);
            ratio[tool].push_back(timings[tool].wall / timings[0].wall);
            processorRatio[tool].push_back(timings[tool].processor / timings[0].processor);
        }
    }
    const std::uintmax_t merged = fs::file_size(target);
    for (const auto& name : names) {
        fs::remove(folder / name);
    }
    fs::remove(target);

    std::printf("%-7s %-10s (%5.1f bytes a line, target %ju bytes)\n", place, corpus.name,
                lineLength, merged);
    const char* const labels[kTools] = {"cat       ", "plain copy", "one thread", "merge     "};
    for (int tool = 0; tool < kTools; ++tool) {
        std::printf("  %s median %.3f s  best %.3f s", labels[tool], Median(wall[tool]),
                    Best(wall[tool]));
        if (tool > 0) {
            std::printf("  = %.2f x cat (best %.2f; processor time %.2f x)", Median(ratio[tool]),
                        Best(wall[tool]) / Best(wall[0]), Median(processorRatio[tool]));
        }
        std::printf("\n");
    }
    return {Median(ratio[3]), Median(processorRatio[3])};
}

// Runs in a process of its own: merges the one-line source and exits.
int MergeOneLine(const fs::path& folder) {
    MergeOnce(folder, {"oneline.txt"}, folder / "oneline-merged.txt");
    return 0;
}

// Merges a source of one 1 GiB line in a child that does nothing else; returns its peak
// resident size in MiB, or a negative number when the merge failed.
double OneLinePeak(const fs::path& folder, const char* self) {
    {
        std::ofstream out(folder / "oneline.txt", std::ios::binary);
        const std::string block(1 << 20, 'L');
        for (std::size_t done = 0; done < kLongLine; done += block.size()) {
            out.write(block.data(), block.size());
        }
        out.write("\n", 1);
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const std::string kib = std::to_string(bufferSize / 1024);
        const std::string behind = std::to_string(buffersBehind);
        execl("/proc/self/exe", self, "--one-line", folder.c_str(), kib.c_str(), behind.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                    fs::file_size(folder / "oneline-merged.txt") == kLongLine + 2;
    fs::remove(folder / "oneline.txt");
    fs::remove(folder / "oneline-merged.txt");
    return ok ? usage.ru_maxrss / 1024.0 : -1;
}

// A fresh folder under `parent`.
fs::path MakeFolder(const fs::path& parent) {
    const fs::path folder = parent / ("kelvane-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--one-line") {
        if (argc > 3) {
            bufferSize = static_cast<std::size_t>(std::max(1, std::atoi(argv[3]))) * 1024;
        }
        if (argc > 4) {
            buffersBehind = static_cast<std::size_t>(std::max(0, std::atoi(argv[4])));
        }
        return MergeOneLine(argv[2]);
    }
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    if (argc > 2) {
        bufferSize = static_cast<std::size_t>(std::max(1, std::atoi(argv[2]))) * 1024;
    }
    if (argc > 3) {
        buffersBehind = static_cast<std::size_t>(std::max(0, std::atoi(argv[3])));
    }
    const fs::path memory = MakeFolder(MemoryFolder());
    const fs::path disk = MakeFolder(fs::temp_directory_path());
    PrintMachine();
    std::printf("Buffers of %zu KiB, %zu written behind; %d timed runs of each, in turns.\n",
                bufferSize / 1024, buffersBehind, repeats);
    std::printf("Memory: %s   Disk: %s\n\n", memory.c_str(), disk.c_str());

    bool sound = true;
    for (const auto& [folder, place] : {std::pair{memory, "memory"}, std::pair{disk, "disk"}}) {
        for (const Corpus* corpus : kCorpora) {
            const Ratios ratios = Measure(folder, place, *corpus, repeats);
            if (corpus != &kDataLines) {
                continue;
            }
            const double most = folder == memory ? kMostTimesCat : kMostTimesCatOnDisk;
            const bool fast = ratios.wall <= most;
            sound = sound && fast;
            std::printf("  %s: merge / cat %.3f in wall time, at most %.2f required\n",
                        fast ? "ok" : "FAILED", ratios.wall, most);
            if (folder == memory) {
                const bool frugal = ratios.processor <= kMostProcessorTimesCat;
                sound = sound && frugal;
                std::printf("  %s: merge / cat %.3f in processor time, at most %.2f required\n",
                            frugal ? "ok" : "FAILED", ratios.processor, kMostProcessorTimesCat);
            }
        }
    }

    const double peak = OneLinePeak(memory, argv[0]);
    const bool flat = peak >= 0 && peak < kMostMiB;
    sound = sound && flat;
    if (peak < 0) {
        std::printf("\none 1 GiB line: FAILED, the merge did not complete\n");
    } else {
        std::printf("\none 1 GiB line: %s: peak resident size %.1f MiB, under %.0f required\n",
                    flat ? "ok" : "FAILED", peak, kMostMiB);
    }
    fs::remove(memory);
    fs::remove(disk);
    return sound ? 0 : 1;
}
