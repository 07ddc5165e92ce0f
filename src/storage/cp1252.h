#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Set files store one byte per character in Windows-1252. The five bytes that
// code page leaves undefined (81, 8D, 8F, 90, 9D) decode to the C1 control of
// the same value, so every byte survives a read and a write unchanged.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold become '?'.
QByteArray encode(QStringView text);
// The same, behind what out already holds.
void encodeInto(QByteArray &out, QStringView text);
// The same into to, which has room for a byte per character of text; the
// number of bytes written.
qsizetype encodeTo(char *to, QStringView text);

// The byte of a character beyond Latin-1's, or -1 when the code page has none.
int highByteOf(char16_t c);

// The byte of one character, or -1 when the code page has none for it.
inline int byteOf(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF) ? int(u) : highByteOf(u);
}

// True when every character of text has a byte of its own.
bool canEncode(QStringView text);

} // namespace Cp1252
