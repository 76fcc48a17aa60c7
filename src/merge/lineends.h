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
// Done the fastest way the processor can (see LineEndMethod).
std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         std::size_t& afterLastLf);

// The ways of doing the copy: working through 64-byte blocks with AVX-512 or with AVX2, or a
// line at a time with memchr.
enum class LineEndMethod { Avx512, Avx2, ByLine };

// Whether the processor can do the copy the given way.
bool CanCopyLineEnds(LineEndMethod method);

// The copy done the given way, which the processor must be able to do.
std::size_t CopyLineEnds(LineEndMethod method, const char* in, std::size_t size, char* out,
                         bool& crBefore, std::size_t& afterLastLf);

// The same, a line at a time with memchr.
std::size_t CopyLineEndsByLine(const char* in, std::size_t size, char* out, bool& crBefore,
                               std::size_t& afterLastLf);

}  // namespace kelvane
