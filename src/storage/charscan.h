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

// Printable ASCII, 0x20 to 0x7E.
inline __m128i printable(__m128i x)
{
    // Compared as signed: from 0x8000 up a character is below 0x20.
    return _mm_and_si128(_mm_cmpgt_epi16(x, lanes(0x1F)), _mm_cmplt_epi16(x, lanes(0x7F)));
}

// Lower-case letters a to z.
inline __m128i lowerAscii(__m128i x)
{
    return _mm_and_si128(_mm_cmpgt_epi16(x, lanes(u'a' - 1)), _mm_cmplt_epi16(x, lanes(u'z' + 1)));
}

// Latin-1's characters from U+00A0 to U+00FE.
inline __m128i latin1Sign(__m128i x)
{
    return _mm_and_si128(_mm_cmpgt_epi16(x, lanes(0x9F)), _mm_cmplt_epi16(x, lanes(0xFF)));
}

// Latin-1's lower-case letters from U+00E0 to U+00FE but the division sign.
inline __m128i lowerLatin1(__m128i x)
{
    const __m128i range = _mm_and_si128(_mm_cmpgt_epi16(x, lanes(0xDF)), _mm_cmplt_epi16(x, lanes(0xFF)));
    return _mm_andnot_si128(_mm_cmpeq_epi16(x, lanes(0xF7)), range);
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

// Copies the leading run of printable ASCII and of Latin-1's letters and
// signs (U+00A0 to U+00FE) into to, a byte each, a to z and à to þ
// (but ÷) as their capitals, and gives its length: how a set stores
// nearly all of any typed text.
inline qsizetype capitalsOfLatin1(QStringView text, char *to)
{
    qsizetype i = 0;
#ifdef __SSE2__
    using namespace Detail;
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.utf16() + i));
        if (_mm_movemask_epi8(_mm_or_si128(printable(x), latin1Sign(x))) != 0xFFFF)
            break;
        const __m128i lower = _mm_or_si128(lowerAscii(x), lowerLatin1(x));
        const __m128i upper = _mm_sub_epi16(x, _mm_and_si128(lower, lanes(0x20)));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to + i), _mm_packus_epi16(upper, upper));
    }
#endif
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (!(u >= 0x20 && u <= 0x7E) && !(u >= 0xA0 && u <= 0xFE))
            break;
        const bool lower = (u >= u'a' && u <= u'z') || (u >= 0xE0 && u != 0xF7);
        to[i] = char(lower ? u - 0x20 : u);
    }
    return i;
}

// Characters below 0x80 that are not a lower-case letter a to z.
inline qsizetype capitalAscii(QStringView text)
{
    return Detail::run(text, [](char16_t u) { return u < 0x80 && (u < u'a' || u > u'z'); }
#ifdef __SSE2__
                       , [](__m128i x) {
                           using namespace Detail;
                           return _mm_andnot_si128(lowerAscii(x), below0x80(x));
                       }
#endif
    );
}

// Printable ASCII, 0x20 to 0x7E.
inline qsizetype printableAscii(QStringView text)
{
    return Detail::run(text, [](char16_t u) { return u >= 0x20 && u <= 0x7E; }
#ifdef __SSE2__
                       , Detail::printable
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
