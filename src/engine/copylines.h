#pragma once

#include "engine/textreader.h"
#include "engine/textwriter.h"

namespace kelvane {

// Moves every line left in `in` to `out`, exactly as out.WriteLine(in.ReadLine()) until
// in.AtEndOfStream() would, but a buffer at a time, so that a line of any length needs no more
// memory than the two buffers. If reading fails part way, the part of the current line that
// went into `out` is taken back (TextWriter::DropPartLine) before the failure is passed on.
void CopyLines(TextReader& in, TextWriter& out);

}  // namespace kelvane
