#pragma once

#include <QChar>
#include <QStringView>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Runs of characters of one kind, found eight at a time where the processor
// can compare eight at once: an import passes over every character of
// megabytes of text several times, nearly all of it plain ASCII.
namespace CharScan {

namespace Detail {

// The length of the leading run of text whose characters all pass one(),
// blocks of eight being judged at once by eight() where there is SSE2 (a mask
// with two bits set for each character that passes).
template <typename One, typename... Eight>
qsizetype run(QStringView text, One one, Eight... eight)
{
    qsizetype i = 0;
#ifdef __SSE2__
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.utf16() + i));
        if (const int fails = (_mm_movemask_epi8(eight(x)) & ...) ^ 0xFFFF)
            return i + (__builtin_ctz(unsigned(fails)) >> 1);
    }
#endif
    while (i < text.size() && one(text[i].unicode()))
        ++i;
    return i;
}

#ifdef __SSE2__
inline __m128i lanes(char16_t c)
{
    return _mm_set1_epi16(short(c));
}

inline __m128i below0x80(__m128i x)
{
    return _mm_cmpeq_epi16(_mm_and_si128(x, lanes(0xFF80)), _mm_setzero_si128());
}
#endif

} // namespace Detail

// Copies the leading run of characters below 0x80 into to, a byte each, and
// gives its length.
inline qsizetype narrowAscii(QStringView text, char *to)
{
    qsizetype i = 0;
#ifdef __SSE2__
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.utf16() + i));
        if (_mm_movemask_epi8(Detail::below0x80(x)) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to + i), _mm_packus_epi16(x, x));
    }
#endif
    for (; i < text.size() && text[i].unicode() < 0x80; ++i)
        to[i] = char(text[i].unicode());
    return i;
}

// Characters below 0x80 that are not a lower-case letter a to z.
inline qsizetype capitalAscii(QStringView text)
{
    return Detail::run(text, [](char16_t u) { return u < 0x80 && (u < u'a' || u > u'z'); }
#ifdef __SSE2__
                       , [](__m128i x) {
                           using namespace Detail;
                           const __m128i lower = _mm_and_si128(_mm_cmpgt_epi16(x, lanes(u'a' - 1)),
                                                               _mm_cmplt_epi16(x, lanes(u'z' + 1)));
                           return _mm_andnot_si128(lower, below0x80(x));
                       }
#endif
    );
}

// Printable ASCII, 0x20 to 0x7E.
inline qsizetype printableAscii(QStringView text)
{
    return Detail::run(text, [](char16_t u) { return u >= 0x20 && u <= 0x7E; }
#ifdef __SSE2__
                       , [](__m128i x) {
                           using namespace Detail;
                           // Compared as signed: from 0x8000 up a character is below 0x20.
                           return _mm_and_si128(_mm_cmpgt_epi16(x, lanes(0x1F)),
                                                _mm_cmplt_epi16(x, lanes(0x7F)));
                       }
#endif
    );
}

// Characters other than the quote, the line breaks and separator.
inline qsizetype plain(QStringView text, QChar separator)
{
    const char16_t sep = separator.unicode();
    return Detail::run(text, [sep](char16_t u) { return u != u'"' && u != u'\r' && u != u'\n' && u != sep; }
#ifdef __SSE2__
                       , [sep](__m128i x) {
                           using namespace Detail;
                           const __m128i quoteOrBreak = _mm_or_si128(
                               _mm_cmpeq_epi16(x, lanes(u'"')),
                               _mm_or_si128(_mm_cmpeq_epi16(x, lanes(u'\r')), _mm_cmpeq_epi16(x, lanes(u'\n'))));
                           const __m128i special = _mm_or_si128(quoteOrBreak, _mm_cmpeq_epi16(x, lanes(sep)));
                           return _mm_andnot_si128(special, _mm_set1_epi32(-1));
                       }
#endif
    );
}

} // namespace CharScan
