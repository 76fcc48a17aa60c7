#pragma once

#include <cstddef>

namespace kelvane {

// The inner loop of copying lines: copies `size` bytes from `in` to `out`, ending every
// line that ends in them with CR LF. A LF with a CR before it is copied as it is; a lone LF
// gets a CR put before it; every other byte, a lone CR too, is copied unchanged.
//
// `crBefore` tells whether the byte just before `in` was a CR, and on return whether the
// last byte read was one. `out` must have room for 2 * size bytes. Returns the number of
// bytes written; `afterLastLf` is set to the count written up to and including the last LF,
// or left alone when there was none.
//
// Where the processor has AVX2 the bytes are worked through 64 at a time.
std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         std::size_t& afterLastLf);

// The same, a line at a time with memchr: what processors without AVX2 run.
std::size_t CopyLineEndsByLine(const char* in, std::size_t size, char* out, bool& crBefore,
                               std::size_t& afterLastLf);

}  // namespace kelvane
