#include "AsciiNarrowing.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velk::narrowing {

uint64_t NarrowLong(const char16_t* in, size_t length, char* out)
{
#if defined(__SSE2__)
    // Eight units to eight bytes; a unit above 0xFF packs to some byte, and is seen as not ASCII.
    const auto pack = [&](size_t at, __m128i& seen) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        seen = _mm_or_si128(seen, units);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at), _mm_packus_epi16(units, units));
    };
    __m128i seen = _mm_setzero_si128();
    for (size_t i = 0; i + 8 <= length; i += 8) pack(i, seen);
    pack(length - 8, seen);
    return static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_or_si128(seen, _mm_unpackhi_epi64(seen, seen))));
#else
    uint64_t seen = 0;
    const auto pack = [&](size_t at) {
        const auto units = LoadUnits<uint64_t>(in + at);
        seen |= units;
        const uint32_t four = LowBytesOfFour(units);
        std::memcpy(out + at, &four, sizeof four);
    };
    for (size_t i = 0; i + 4 <= length; i += 4) pack(i);
    pack(length - 4);
    return seen;
#endif
}

}  // namespace velk::narrowing
