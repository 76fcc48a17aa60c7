#include "lineends.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KELVANE_LINEENDS_SSE2 1
#endif

namespace kelvane {

namespace {

// Writes the line end for the LF at `in[k]`, whose bytes before it are already at `out`.
// `before` is the byte before the LF. Returns how far `out` moves: past the LF.
inline std::size_t EndLine(char* out, std::size_t k, char before) {
    if (before == '\r') {
        out[k] = '\n';
        return k + 1;
    }
    out[k] = '\r';
    out[k + 1] = '\n';
    return k + 2;
}

#if KELVANE_LINEENDS_SSE2
inline unsigned CountTrailingZeros(unsigned long long mask) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long index;
    _BitScanForward64(&index, mask);
    return static_cast<unsigned>(index);
#else
    return static_cast<unsigned>(__builtin_ctzll(mask));
#endif
}
#endif

}  // namespace

std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         std::size_t& afterLastLf) {
    const char* p = in;
    const char* const end = in + size;
    char* o = out;
    // The byte before p, where p is still at the start.
    const auto before = [&](const char* lf) { return lf == in ? (crBefore ? '\r' : 0) : lf[-1]; };

#if KELVANE_LINEENDS_SSE2
    // 64 bytes at a time: stored as they are, then, at the first LF among them, the line end
    // is put right and the next round starts just after it.
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 64) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), a);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 16), b);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 32), c);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 48), d);
        const __m128i ea = _mm_cmpeq_epi8(a, lf);
        const __m128i eb = _mm_cmpeq_epi8(b, lf);
        const __m128i ec = _mm_cmpeq_epi8(c, lf);
        const __m128i ed = _mm_cmpeq_epi8(d, lf);
        const __m128i any = _mm_or_si128(_mm_or_si128(ea, eb), _mm_or_si128(ec, ed));
        if (_mm_movemask_epi8(any) == 0) {
            p += 64;
            o += 64;
            continue;
        }
        const unsigned long long mask =
            static_cast<unsigned long long>(static_cast<unsigned>(_mm_movemask_epi8(ea))) |
            static_cast<unsigned long long>(static_cast<unsigned>(_mm_movemask_epi8(eb))) << 16 |
            static_cast<unsigned long long>(static_cast<unsigned>(_mm_movemask_epi8(ec))) << 32 |
            static_cast<unsigned long long>(static_cast<unsigned>(_mm_movemask_epi8(ed))) << 48;
        const unsigned k = CountTrailingZeros(mask);
        o += EndLine(o, k, before(p + k));
        p += k + 1;
        afterLastLf = static_cast<std::size_t>(o - out);
    }
#endif

    // What is left (all of it where no vector unit is used), a line at a time.
    while (p < end) {
        const auto* found = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (found == nullptr) {
            const auto length = static_cast<std::size_t>(end - p);
            std::memcpy(o, p, length);
            o += length;
            p = end;
            break;
        }
        const auto k = static_cast<std::size_t>(found - p);
        std::memcpy(o, p, k);
        o += EndLine(o, k, before(found));
        p = found + 1;
        afterLastLf = static_cast<std::size_t>(o - out);
    }

    if (size > 0) {
        crBefore = end[-1] == '\r';
    }
    return static_cast<std::size_t>(o - out);
}

}  // namespace kelvane
