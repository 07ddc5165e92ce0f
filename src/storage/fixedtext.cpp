#include "fixedtext.h"

#include "cp1252.h"

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
    const qsizetype start = out.size();
    Cp1252::encodeInto(out, trimmedView(text));
    if (out.size() - start > width)
        out.truncate(start + width);
    else
        out.append(start + width - out.size(), ' ');
}

} // namespace FixedText
