#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

QFont make(const QStringList &families, QFont::StyleHint hint, qreal pointSize, bool bold,
           bool italic)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

namespace Fonts {

QFont sans(qreal pointSize, bool bold, bool italic)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")},
                QFont::SansSerif, pointSize, bold, italic);
}

QFont serif(qreal pointSize, bool bold, bool italic)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")},
                QFont::Serif, pointSize, bold, italic);
}

QFont dialog(qreal pointSize, bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace Fonts
