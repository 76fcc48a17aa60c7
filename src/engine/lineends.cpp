#include "lineends.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

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

// The copy a line at a time: memchr finds each LF, memcpy moves the bytes before it.
std::size_t CopyByLine(const char* in, std::size_t size, char* out, bool& crBefore, bool& lfSeen) {
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
        lfSeen = true;
    }
    if (size > 0) {
        crBefore = end[-1] == '\r';
    }
    return static_cast<std::size_t>(o - out);
}

#if KELVANE_LINEENDS_X86
// The block copy, written once for every instruction set. `Isa` holds a 64-byte block in
// registers: Load and Store move one, Mask gives one bit for each of its bytes that equals a
// given byte. Each instruction set's instantiation is made below, under that set's target, so
// that Isa's functions are inlined into it; nothing else instantiates these templates.

// For the lone LF at `k` in the block at `p`, with `shift` CRs put in before it: a CR goes in
// its place and the rest of the block is stored again one byte further on.
template <typename Isa>
__attribute__((always_inline)) inline void PutCr(const char* p, char* o, std::size_t k,
                                                 std::size_t shift) {
    o[k + shift] = '\r';
    Isa::Store(o + k + shift + 1, Isa::Load(p + k));
}

// Copies 64-byte blocks while at least 128 bytes are left, so that the loads past a block
// (up to 64 bytes further, for a lone LF that isn't there) stay inside the input. Each block is
// stored as it is; then for every lone LF in it a CR goes in its place and the rest of the block
// is stored again one byte further on. What a store writes past the block's end is overwritten
// by the next block, and stays within 2 * size. Moves `from` and `to` past the blocks done;
// `crBefore` says whether the byte before `from` is a CR; `lfSeen` is set when a block held a LF.
template <typename Isa>
void CopyBlocks(const char*& from, const char* end, char*& to, bool& crBefore, bool& lfSeen) {
    // Worked on in locals: the byte stores could change the caller's variables for all the
    // compiler knows, which would have it store and load them again around every one.
    const char* p = from;
    char* o = to;
    std::uint64_t carry = crBefore ? 1 : 0;
    std::uint64_t lfs = 0;
    while (end - p >= 128) {
        const typename Isa::Block block = Isa::Load(p);
        Isa::Store(o, block);
        const std::uint64_t lf = Isa::Mask(block, '\n');
        const std::uint64_t cr = Isa::Mask(block, '\r');
        // A LF is lone unless a CR comes just before it, in this block or as the last byte of
        // the one before.
        std::uint64_t lone = lf & ~((cr << 1) | carry);
        carry = cr >> 63;
        lfs |= lf;
        const auto shift = static_cast<std::size_t>(_mm_popcnt_u64(lone));
        // The first two lone LFs without a branch, whether they are there or not (64 stands for
        // one that isn't: its CR and copy land where the next block's stores go). Blocks of
        // lines of 32 bytes or more never have more, and the loop is then never entered.
        for (std::size_t done = 0; done < 2; ++done) {
            PutCr<Isa>(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        for (std::size_t done = 2; lone != 0; ++done) {
            PutCr<Isa>(p, o, static_cast<std::size_t>(_tzcnt_u64(lone)), done);
            lone = _blsr_u64(lone);
        }
        o += 64 + shift;
        p += 64;
    }
    from = p;
    to = o;
    crBefore = carry != 0;
    lfSeen = lfSeen || lfs != 0;
}

#define KELVANE_ISA_FUNCTION __attribute__((always_inline)) static inline

#pragma GCC push_options
#pragma GCC target("avx2,bmi,popcnt")
// A block as two 32-byte halves.
struct Avx2 {
    struct Block {
        __m256i low;
        __m256i high;
    };
    KELVANE_ISA_FUNCTION Block Load(const char* from) {
        return {_mm256_loadu_si256(reinterpret_cast<const __m256i*>(from)),
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 32))};
    }
    KELVANE_ISA_FUNCTION void Store(char* to, Block block) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), block.low);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 32), block.high);
    }
    KELVANE_ISA_FUNCTION std::uint64_t Mask(Block block, char byte) {
        const __m256i bytes = _mm256_set1_epi8(byte);
        const auto low =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block.low, bytes)));
        const auto high =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block.high, bytes)));
        return static_cast<std::uint64_t>(low) | static_cast<std::uint64_t>(high) << 32;
    }
};
template void PutCr<Avx2>(const char*, char*, std::size_t, std::size_t);
template void CopyBlocks<Avx2>(const char*&, const char*, char*&, bool&, bool&);
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw,bmi,popcnt")
// A block in one register, its masks straight from the compares.
struct Avx512 {
    using Block = __m512i;
    KELVANE_ISA_FUNCTION Block Load(const char* from) { return _mm512_loadu_si512(from); }
    KELVANE_ISA_FUNCTION void Store(char* to, Block block) { _mm512_storeu_si512(to, block); }
    KELVANE_ISA_FUNCTION std::uint64_t Mask(Block block, char byte) {
        return _mm512_cmpeq_epi8_mask(block, _mm512_set1_epi8(byte));
    }
};
template void PutCr<Avx512>(const char*, char*, std::size_t, std::size_t);
template void CopyBlocks<Avx512>(const char*&, const char*, char*&, bool&, bool&);
#pragma GCC pop_options

#undef KELVANE_ISA_FUNCTION
#endif

}  // namespace

std::size_t AfterLastLineEnd(const char* bytes, std::size_t size) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    std::size_t i = size;
    while (i >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i - 8, 8);
        const std::uint64_t x = word ^ (kOnes * '\n');  // a zero byte for each LF
        if (((x - kOnes) & ~x & (kOnes << 7)) != 0) {
            break;
        }
        i -= 8;
    }
    while (i > 0 && bytes[i - 1] != '\n') {
        --i;
    }
    return i;
}

std::string_view LineEndMethodName(LineEndMethod method) {
    switch (method) {
        case LineEndMethod::Avx512:
            return "Avx512";
        case LineEndMethod::Avx2:
            return "Avx2";
        case LineEndMethod::ByLine:
            return "ByLine";
    }
    return "unknown";
}

bool CanCopyLineEnds(LineEndMethod method) {
    switch (method) {
#if KELVANE_LINEENDS_X86
        case LineEndMethod::Avx512: {
            static const bool has =
                __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
            return has;
        }
        case LineEndMethod::Avx2: {
            static const bool has = __builtin_cpu_supports("avx2") &&
                                    __builtin_cpu_supports("bmi") &&
                                    __builtin_cpu_supports("popcnt");
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
                         bool& crBefore, bool& lfSeen) {
    const char* p = in;
    char* o = out;
#if KELVANE_LINEENDS_X86
    if (method == LineEndMethod::Avx512) {
        CopyBlocks<Avx512>(p, in + size, o, crBefore, lfSeen);
    } else if (method == LineEndMethod::Avx2) {
        CopyBlocks<Avx2>(p, in + size, o, crBefore, lfSeen);
    }
#endif
    // What the blocks leave, a line at a time.
    return static_cast<std::size_t>(o - out) +
           CopyByLine(p, static_cast<std::size_t>(in + size - p), o, crBefore, lfSeen);
}

std::size_t CopyLineEnds(const char* in, std::size_t size, char* out, bool& crBefore,
                         bool& lfSeen) {
    // The first way the processor can do, of those listed fastest first; the last can always.
    static const LineEndMethod fastest =
        *std::find_if(std::begin(kLineEndMethods), std::end(kLineEndMethods), CanCopyLineEnds);
    return CopyLineEnds(fastest, in, size, out, crBefore, lfSeen);
}

}  // namespace kelvane
