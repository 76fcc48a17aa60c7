#include "copylines.h"

#include <algorithm>

#include "fileerror.h"
#include "lineends.h"
#include "mappedread.h"

namespace kelvane {

namespace {

// One step of the copy, as ReadMapped runs it: the reader's bytes may be a file's mapping.
struct Step {
    const char* in;
    std::size_t size;
    char* out;
    bool crBefore;
    bool lineEnded;
    std::size_t copied;
};

void CopyStep(void* context) {
    Step& step = *static_cast<Step*>(context);
    step.copied = CopyLineEnds(step.in, step.size, step.out, step.crBefore, step.lineEnded);
}

}  // namespace

void CopyLines(TextReader& in, TextWriter& out) {
    bool crBefore = false;
    char last = '\n';  // the last byte copied, as if a line had just ended
    try {
        for (std::string_view bytes = in.Peek(); !bytes.empty(); bytes = in.Peek()) {
            // The copy may double what it reads. A writer's buffer of a single byte takes one
            // byte's copy at a time, by way of `small`.
            const std::span<char> room = out.Room(2 * bytes.size());
            char small[2];
            const bool roomy = room.size() >= 2;
            Step step{bytes.data(),
                      roomy ? std::min(bytes.size(), room.size() / 2) : 1,
                      roomy ? room.data() : small,
                      crBefore,
                      false,
                      0};
            if (!ReadMapped(CopyStep, &step)) {
                throw FileError("a source was cut short while it was read");
            }
            crBefore = step.crBefore;
            if (roomy) {
                out.Commit(step.copied, step.lineEnded);
            } else {
                out.Write({small, step.copied});
            }
            last = step.out[step.copied - 1];  // a copied line end ends in its LF, as it was read
            in.Consume(step.size);
        }
    } catch (...) {
        out.DropPartLine();
        throw;
    }
    if (last != '\n') {
        out.Write("\r\n");  // the last line, without a line end of its own
    }
}

}  // namespace kelvane
