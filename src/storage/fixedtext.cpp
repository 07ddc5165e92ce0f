#include "fixedtext.h"

#include "cp1252.h"

#include <algorithm>
#include <cstring>

namespace FixedText {

QString trimSpaces(QStringView text)
{
    return trimmedView(text).toString();
}

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QByteArray pack(QStringView text, int width)
{
    QByteArray bytes;
    packInto(bytes, text, width);
    return bytes;
}

void packInto(QByteArray &out, QStringView text, int width)
{
    // Room for the whole text or the field, whichever is longer, filled in
    // place and cut to the field.
    const QStringView kept = trimmedView(text);
    const qsizetype start = out.size();
    out.resize(start + std::max(qsizetype(width), kept.size()));
    const qsizetype written = Cp1252::encodeTo(out.data() + start, kept);
    if (written < width)
        std::memset(out.data() + start + written, ' ', width - written);
    out.truncate(start + width);
}

} // namespace FixedText
