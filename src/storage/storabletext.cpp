#include "storabletext.h"

#include "cp1252.h"

#include <QStringList>

namespace StorableText {

QString problem(const QString &field, const QString &text)
{
    QStringList missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character.
        const qsizetype width =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width - 1;
        if ((width == 2 || !Cp1252::canEncode(character)) && !missing.contains(character))
            missing << character;
    }
    if (missing.isEmpty())
        return {};
    return QStringLiteral("%1 holds characters that a question set cannot store: %2")
        .arg(field, missing.join(QLatin1Char(' ')));
}

QString upperCased(const QString &typed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar c : typed) {
        const QString upper = QString(c).toUpper();
        const bool keep = c.isSurrogate() || upper.size() != 1 || !Cp1252::canEncode(upper);
        out += keep ? c : upper.front();
    }
    return out;
}

} // namespace StorableText
