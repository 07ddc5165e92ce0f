#include "setnames.h"

namespace SetNames {

namespace {
// Most file systems allow 255 bytes for a name.
constexpr int kMaxNameBytes = 255;
} // namespace

QString problem(const QString &fileName)
{
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return QStringLiteral("The set name must not contain / or \\.");
    if (fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return QStringLiteral("The set name must not be \".\" or \"..\".");
    for (const QChar c : fileName) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return QStringLiteral("The set name must not contain control characters.");
    }
    if (fileName.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("The set name is too long.");
    return {};
}

} // namespace SetNames
