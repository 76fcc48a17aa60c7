#include "lineends.h"

#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define KELVANE_LINEENDS_X86 1
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

#if KELVANE_LINEENDS_X86
#define KELVANE_AVX2 __attribute__((target("avx2,bmi,lzcnt,popcnt"), always_inline)) inline

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

// For the lone LF at `k` in the block at `p`, with `shift` CRs put in before it: a CR goes in
// its place and the rest of the block is stored again one byte further on.
KELVANE_AVX2 void PutCr(const char* p, char* o, std::size_t k, std::size_t shift) {
    o[k + shift] = '\r';
    __m256i unusedLow;
    __m256i unusedHigh;
    Copy64(o + k + shift + 1, p + k, unusedLow, unusedHigh);
}

// Copies 64-byte blocks while at least 128 bytes are left, so that the loads past a block
// stay inside the input. Each block is stored as it is; then for every lone LF in it a CR goes
// in its place and the rest of the block is stored again one byte further on. What a store
// writes past the block's end is overwritten by the next block, and stays within 2 * size.
// Moves `from` and `to` past the blocks done; `crBefore` says whether the byte before `from` is
// a CR.
__attribute__((target("avx2,bmi,lzcnt,popcnt"))) void CopyBlocksAvx2(const char*& from,
                                                                     const char* end, char*& to,
                                                                     char* out, bool& crBefore,
                                                                     std::size_t& afterLastLf) {
    // Worked on in locals: the byte stores could change the caller's variables for all the
    // compiler knows, which would have it store and load them again around every one.
    const char* p = from;
    char* o = to;
    std::size_t afterLf = afterLastLf;
    std::uint64_t carry = crBefore ? 1 : 0;
    __m256i low;
    __m256i high;
    while (end - p >= 128) {
        Copy64(o, p, low, high);
        const std::uint64_t lf = Mask64(low, high, '\n');
        const std::uint64_t cr = Mask64(low, high, '\r');
        std::uint64_t lone = lf & ~((cr << 1) | carry);
        carry = cr >> 63;
        const auto shift = static_cast<std::size_t>(_mm_popcnt_u64(lone));
        // The first two lone LFs without a branch, whether they are there or not (64 stands for
        // one that isn't: its CR and copy land where the next block's stores go). Blocks of
        // lines of 32 bytes or more never have more, and the loop is then never entered.
        for (std::size_t done = 0; done < 2; ++done) {
            PutCr(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        for (std::size_t done = 2; lone != 0; ++done) {
            PutCr(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        if (lf != 0) {
            const auto last = static_cast<std::size_t>(63 - _lzcnt_u64(lf));
            afterLf = static_cast<std::size_t>(o - out) + last + shift + 1;
        }
        o += 64 + shift;
        p += 64;
    }
    from = p;
    to = o;
    afterLastLf = afterLf;
    crBefore = carry != 0;
}

// PutCr with AVX-512: the rest of the block in one store.
__attribute__((target("avx512f,avx512bw"), always_inline)) inline void PutCrAvx512(
    const char* p, char* o, std::size_t k, std::size_t shift) {
    o[k + shift] = '\r';
    _mm512_storeu_si512(o + k + shift + 1, _mm512_loadu_si512(p + k));
}

// The same with AVX-512: a block and each of its copies in one register, and its masks straight
// from the compares. The loads past a block reach 64 bytes further for a lone LF that isn't
// there, which the 128 bytes left allow; the stores stay within 2 * size.
__attribute__((target("avx512f,avx512bw,bmi,lzcnt,popcnt"))) void CopyBlocksAvx512(
    const char*& from, const char* end, char*& to, char* out, bool& crBefore,
    std::size_t& afterLastLf) {
    const char* p = from;
    char* o = to;
    std::size_t afterLf = afterLastLf;
    std::uint64_t carry = crBefore ? 1 : 0;
    const __m512i lfs = _mm512_set1_epi8('\n');
    const __m512i crs = _mm512_set1_epi8('\r');
    while (end - p >= 128) {
        const __m512i block = _mm512_loadu_si512(p);
        _mm512_storeu_si512(o, block);
        const std::uint64_t lf = _mm512_cmpeq_epi8_mask(block, lfs);
        const std::uint64_t cr = _mm512_cmpeq_epi8_mask(block, crs);
        std::uint64_t lone = lf & ~((cr << 1) | carry);
        carry = cr >> 63;
        const auto shift = static_cast<std::size_t>(_mm_popcnt_u64(lone));
        for (std::size_t done = 0; done < 2; ++done) {
            PutCrAvx512(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        for (std::size_t done = 2; lone != 0; ++done) {
            PutCrAvx512(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        if (lf != 0) {
            const auto last = static_cast<std::size_t>(63 - _lzcnt_u64(lf));
            afterLf = static_cast<std::size_t>(o - out) + last + shift + 1;
        }
        o += 64 + shift;
        p += 64;
    }
    from = p;
    to = o;
    afterLastLf = afterLf;
    crBefore = carry != 0;
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

bool CanCopyLineEnds(LineEndMethod method) {
    switch (method) {
#if KELVANE_LINEENDS_X86
        case LineEndMethod::Avx512: {
            static const bool has =
                __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                __builtin_cpu_supports("bmi") && __builtin_cpu_supports("lzcnt") &&
                __builtin_cpu_supports("popcnt");
            return has;
        }
        case LineEndMethod::Avx2: {
            static const bool has =
                __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                __builtin_cpu_supports("lzcnt") && __builtin_cpu_supports("popcnt");
            return has;
        }
#endif
        case LineEndMethod::ByLine:
            return true;
        default:
            return false;
    }
}

std::size_t CopyLineEnds(LineEndMethod method, const char* in, std::size_t size, char* out,
                         bool& crBefore, std::size_t& afterLastLf) {
    const char* p = in;
    char* o = out;
#if KELVANE_LINEENDS_X86
    if (method == LineEndMethod::Avx512) {
        CopyBlocksAvx512(p, in + size, o, out, crBefore, afterLastLf);
    } else if (method == LineEndMethod::Avx2) {
        CopyBlocksAvx2(p, in + size, o, out, crBefore, afterLastLf);
    }
#endif
    // What the blocks leave, a line at a time.
    std::size_t tailLf = 0;
    const std::size_t tail =
        CopyLineEndsByLine(p, static_cast<std::size_t>(in + size - p), o, crBefore, tailLf);
    if (tailLf != 0) {
        afterLastLf = static_cast<std::size_t>(o - out) + tailLf;
    }
    return static_cast<std::size_t>(o - out) + tail;
}

std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         std::size_t& afterLastLf) {
    static const LineEndMethod fastest =
        CanCopyLineEnds(LineEndMethod::Avx512) ? LineEndMethod::Avx512
        : CanCopyLineEnds(LineEndMethod::Avx2) ? LineEndMethod::Avx2
                                               : LineEndMethod::ByLine;
    return CopyLineEnds(fastest, in, size, out, crBefore, afterLastLf);
}

}  // namespace kelvane
