#include "lineends.h"

#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define KELVANE_LINEENDS_AVX2 1
#endif

namespace kelvane {

namespace {

// Writes the line end for a LF whose line's bytes are already at `out`, `k` of them; `before`
// is the byte before the LF. Returns how far `out` moves: past the LF.
inline std::size_t EndLine(char* out, std::size_t k, char before) {
    if (before == '\r') {
        out[k] = '\n';
        return k + 1;
    }
    out[k] = '\r';
    out[k + 1] = '\n';
    return k + 2;
}

#if KELVANE_LINEENDS_AVX2
#define KELVANE_AVX2 __attribute__((target("avx2,bmi,lzcnt"), always_inline)) inline

// Copies 64 bytes and returns them as two halves.
KELVANE_AVX2 void Copy64(char* to, const char* from, __m256i& low, __m256i& high) {
    low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 32));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), low);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 32), high);
}

// One bit for each of the 64 bytes that equals `byte`.
KELVANE_AVX2 std::uint64_t Mask64(__m256i low, __m256i high, char byte) {
    const __m256i bytes = _mm256_set1_epi8(byte);
    const auto lowBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, bytes)));
    const auto highBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, bytes)));
    return static_cast<std::uint64_t>(lowBits) | static_cast<std::uint64_t>(highBits) << 32;
}

// Copies 64-byte blocks while at least 128 bytes are left, so that the loads past a block
// stay inside the input. Each block is stored as it is; then for every lone LF in it a CR goes
// in its place and the rest of the block is stored again one byte further on. What a store
// writes past the block's end is overwritten by the next block, and stays within 2 * size.
// Moves `p` and `o` past the blocks done; `crBefore` says whether the byte before `p` is a CR.
__attribute__((target("avx2,bmi,lzcnt"))) void CopyBlocks(const char*& p, const char* end, char*& o,
                                                          char* out, bool& crBefore,
                                                          std::size_t& afterLastLf) {
    std::uint64_t carry = crBefore ? 1 : 0;
    __m256i low;
    __m256i high;
    while (end - p >= 128) {
        Copy64(o, p, low, high);
        const std::uint64_t lf = Mask64(low, high, '\n');
        const std::uint64_t cr = Mask64(low, high, '\r');
        std::uint64_t lone = lf & ~((cr << 1) | carry);
        carry = cr >> 63;
        std::size_t shift = 0;
        while (lone != 0) {
            const auto k = static_cast<std::size_t>(_tzcnt_u64(lone));
            o[k + shift] = '\r';
            __m256i unusedLow;
            __m256i unusedHigh;
            Copy64(o + k + shift + 1, p + k, unusedLow, unusedHigh);
            ++shift;
            lone &= lone - 1;
        }
        if (lf != 0) {
            const auto last = static_cast<std::size_t>(63 - _lzcnt_u64(lf));
            afterLastLf = static_cast<std::size_t>(o - out) + last + shift + 1;
        }
        o += 64 + shift;
        p += 64;
    }
    crBefore = carry != 0;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                            __builtin_cpu_supports("lzcnt");
    return has;
}
#endif

}  // namespace

std::size_t CopyLineEndsByLine(const char* in, std::size_t size, char* out, bool& crBefore,
                               std::size_t& afterLastLf) {
    const char* p = in;
    const char* const end = in + size;
    char* o = out;
    while (p < end) {
        const auto* found = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (found == nullptr) {
            std::memcpy(o, p, end - p);
            o += end - p;
            break;
        }
        const auto k = static_cast<std::size_t>(found - p);
        std::memcpy(o, p, k);
        const char before = found == in ? (crBefore ? '\r' : '\0') : found[-1];
        o += EndLine(o, k, before);
        p = found + 1;
        afterLastLf = static_cast<std::size_t>(o - out);
    }
    if (size > 0) {
        crBefore = end[-1] == '\r';
    }
    return static_cast<std::size_t>(o - out);
}

std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         std::size_t& afterLastLf) {
#if KELVANE_LINEENDS_AVX2
    if (size >= 128 && HasAvx2()) {
        const char* p = in;
        char* o = out;
        CopyBlocks(p, in + size, o, out, crBefore, afterLastLf);
        std::size_t tailLf = 0;
        const std::size_t tail =
            CopyLineEndsByLine(p, static_cast<std::size_t>(in + size - p), o, crBefore, tailLf);
        if (tailLf != 0) {
            afterLastLf = static_cast<std::size_t>(o - out) + tailLf;
        }
        return static_cast<std::size_t>(o - out) + tail;
    }
#endif
    return CopyLineEndsByLine(in, size, out, crBefore, afterLastLf);
}

}  // namespace kelvane
