#include "fixedtext.h"

#include "cp1252.h"

namespace FixedText {

QString trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

QByteArray pack(QStringView text, int width)
{
    QByteArray bytes = Cp1252::encode(trimSpaces(text));
    if (bytes.size() > width)
        bytes.truncate(width);
    else
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}

} // namespace FixedText
