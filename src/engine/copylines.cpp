#include "copylines.h"

#include <algorithm>

#include "lineends.h"

namespace kelvane {

void CopyLines(TextReader& in, TextWriter& out) {
    bool crBefore = false;
    char last = '\n';  // the last byte copied, as if a line had just ended
    try {
        for (std::string_view bytes = in.Peek(); !bytes.empty(); bytes = in.Peek()) {
            // The copy may double what it reads.
            const std::span<char> room = out.Room(2 * bytes.size());
            std::size_t take = 1;
            bool lineEnded = false;
            if (room.size() >= 2) {
                take = std::min(bytes.size(), room.size() / 2);
                const std::size_t copied =
                    CopyLineEnds(bytes.data(), take, room.data(), crBefore, lineEnded);
                out.Commit(copied, lineEnded);
            } else {
                // A writer's buffer of a single byte.
                char copied[2];
                out.Write({copied, CopyLineEnds(bytes.data(), 1, copied, crBefore, lineEnded)});
            }
            last = bytes[take - 1];
            in.Consume(take);
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
