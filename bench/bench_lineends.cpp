// The line-end copy done each way this processor has, side by side: 64 MiB of text in the
// pieces a merge works in (a reading buffer, just filled, into a writing buffer), for lines of
// about 124, 54 and 12 bytes ended by a lone LF, which each gain a CR. Each way is timed in turns
// with the others, and its speed is given as a ratio to the way below it (AVX-512 to AVX2, AVX2 to
// the copy by line), the median of the turns. A way specific to a processor is kept only for
// the gain it brings: it must be at least 1.1 times the way below it on the lines of 54 bytes,
// or the program prints FAILED and exits with 1.
//
//   bench_lineends [turns]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "benchtools.h"
#include "engine/lineends.h"
#include "engine/mergejob.h"

using namespace kelvane;

namespace {

constexpr std::size_t kTextBytes = 64u << 20;
constexpr double kLeastGain = 1.1;

struct Corpus {
    const char* name;
    std::size_t shortest;
    std::size_t longest;
};

const Corpus kCorpora[] = {{"SQL lines", 90, 158}, {"data lines", 30, 78}, {"short lines", 4, 20}};

std::string MakeText(const Corpus& corpus) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> length(corpus.shortest, corpus.longest);
    std::string text;
    text.reserve(kTextBytes + corpus.longest + 1);
    while (text.size() < kTextBytes) {
        const std::size_t n = length(random);
        for (std::size_t i = 0; i < n; ++i) {
            text += static_cast<char>('a' + random() % 26);
        }
        text += '\n';
    }
    return text;
}

// Copies the text the given way, a reading buffer at a time: each piece is first put in the
// reading buffer, as a read would, and only its copy into the writing buffer is timed. Returns
// the seconds taken.
double CopySeconds(LineEndMethod method, const std::string& text, std::vector<char>& in,
                   std::vector<char>& out) {
    bool cr = false;
    bool lfSeen = false;
    std::size_t written = 0;
    std::chrono::duration<double> seconds{};
    for (std::size_t at = 0; at < text.size(); at += in.size()) {
        const std::size_t size = std::min(in.size(), text.size() - at);
        std::copy_n(text.data() + at, size, in.data());
        const auto start = std::chrono::steady_clock::now();
        written += CopyLineEnds(method, in.data(), size, out.data(), cr, lfSeen);
        seconds += std::chrono::steady_clock::now() - start;
    }
    if (written <= text.size()) {
        std::fprintf(stderr, "the copy added no CRs\n");
        std::exit(1);
    }
    return seconds.count();
}

}  // namespace

int main(int argc, char** argv) {
    const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<LineEndMethod> ways;  // the simplest first
    for (auto it = std::rbegin(kLineEndMethods); it != std::rend(kLineEndMethods); ++it) {
        if (CanCopyLineEnds(*it)) {
            ways.push_back(*it);
        }
    }
    std::printf("Line-end copy of %zu MiB, %zu KiB at a time; %d turns, medians.\n",
                kTextBytes >> 20, MergeJob::kDefaultBufferSize >> 10, turns);
    std::vector<char> in(MergeJob::kDefaultBufferSize);
    std::vector<char> out(2 * in.size());
    bool sound = true;
    for (const Corpus& corpus : kCorpora) {
        const std::string text = MakeText(corpus);
        std::vector<std::vector<double>> seconds(ways.size());
        std::vector<std::vector<double>> gains(ways.size());
        for (int turn = -1; turn < turns; ++turn) {  // turn -1 warms the caches up
            std::vector<double> now;
            for (const LineEndMethod way : ways) {
                now.push_back(CopySeconds(way, text, in, out));
            }
            for (std::size_t w = 0; turn >= 0 && w < ways.size(); ++w) {
                seconds[w].push_back(now[w]);
                gains[w].push_back(w > 0 ? now[w - 1] / now[w] : 1.0);
            }
        }
        std::printf("%s (%zu to %zu bytes)\n", corpus.name, corpus.shortest + 1,
                    corpus.longest + 1);
        for (std::size_t w = 0; w < ways.size(); ++w) {
            const std::string name(LineEndMethodName(ways[w]));
            std::printf("  %-8s %6.2f GB/s", name.c_str(),
                        static_cast<double>(text.size()) / Median(seconds[w]) / 1e9);
            if (w > 0) {
                const std::string below(LineEndMethodName(ways[w - 1]));
                const double gain = Median(gains[w]);
                std::printf("  = %.2f x %s", gain, below.c_str());
                if (&corpus == &kCorpora[1]) {
                    const bool met = gain >= kLeastGain;
                    sound = sound && met;
                    std::printf("  %s: at least %.2f required", met ? "ok" : "FAILED", kLeastGain);
                }
            }
            std::printf("\n");
        }
    }
    return sound ? 0 : 1;
}
