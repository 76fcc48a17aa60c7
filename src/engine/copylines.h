#pragma once

#include "engine/textreader.h"
#include "engine/textwriter.h"

namespace kelvane {

// Moves every line left in `in` to `out`, each ended by CR LF, a buffer at a time, so that a
// line of any length needs no more memory than the two buffers. CR LF and a lone LF end a line,
// a lone CR is an ordinary character, and a last line without a line end is a line all the same;
// every other byte passes unchanged. If reading fails part way, the part of the current line that
// went into `out` is taken back (TextWriter::DropPartLine) before the failure is passed on.
void CopyLines(TextReader& in, TextWriter& out);

}  // namespace kelvane
