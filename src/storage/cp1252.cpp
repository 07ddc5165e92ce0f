#include "cp1252.h"

#include "charscan.h"

#include <array>

namespace {

// Characters of bytes 80..9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

namespace Cp1252 {

int highByteOf(char16_t c)
{
    // Looked up rather than searched: texts such as "’" and "…" are common.
    // Every character of bytes 80..9F lies below U+2200.
    static const std::array<uchar, 0x2200> bytes = [] {
        std::array<uchar, 0x2200> table{};
        for (int i = 0; i < int(kHigh.size()); ++i)
            table[kHigh[i]] = uchar(0x80 + i);
        return table;
    }();
    return c < bytes.size() && bytes[c] != 0 ? bytes[c] : -1;
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    encodeInto(out, text);
    return out;
}

void encodeInto(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    out.truncate(start + encodeTo(out.data() + start, text));
}

qsizetype encodeTo(char *to, QStringView text)
{
    // Written in place: a set of thousands of questions is packed character
    // by character.
    const char *const start = to;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // ASCII, most of any text, is its own byte.
        const qsizetype ascii = CharScan::narrowAscii(text.sliced(i), to);
        to += ascii;
        i += ascii;
        if (i == text.size())
            break;
        const QChar c = text[i];
        // A surrogate pair is one character and becomes one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = byteOf(c);
        *to++ = b < 0 ? '?' : char(b);
    }
    return to - start;
}

bool canEncode(QStringView text)
{
    for (const QChar c : text) {
        if (byteOf(c) < 0)
            return false;
    }
    return true;
}

} // namespace Cp1252
