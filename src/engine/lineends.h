#pragma once

#include <cstddef>
#include <string_view>

namespace kelvane {

// The inner loop of copying lines: copies `size` bytes from `in` to `out`, ending every
// line that ends in them with CR LF. A LF with a CR before it is copied as it is; a lone LF
// gets a CR put before it; every other byte, a lone CR too, is copied unchanged.
//
// `crBefore` tells whether the byte just before `in` was a CR, and on return whether the
// last byte read was one. `lfSeen` is set when a LF was among the bytes, and left as it was
// otherwise. `out` must have room for 2 * size bytes. Returns the number of bytes written.
//
// Done the fastest way the processor can (see LineEndMethod).
std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore, bool& lfSeen);

// The count of bytes up to and including the last LF among `size` bytes; 0 when there is none.
// Looks eight bytes at a time, so that a long line costs little.
std::size_t AfterLastLineEnd(const char* bytes, std::size_t size);

// The ways of doing the copy, fastest first: working through 64-byte blocks with AVX-512 or with
// AVX2, or a line at a time with memchr, which every processor can.
enum class LineEndMethod { Avx512, Avx2, ByLine };

inline constexpr LineEndMethod kLineEndMethods[] = {LineEndMethod::Avx512, LineEndMethod::Avx2,
                                                    LineEndMethod::ByLine};

// The method's name, as the tests and benchmarks print it: letters and digits only.
std::string_view LineEndMethodName(LineEndMethod method);

// Whether the processor can do the copy the given way.
bool CanCopyLineEnds(LineEndMethod method);

// The copy done the given way, which the processor must be able to do.
std::size_t CopyLineEnds(LineEndMethod method, const char* in, std::size_t size, char* out,
                         bool& crBefore, bool& lfSeen);

}  // namespace kelvane
