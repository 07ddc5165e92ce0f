#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>

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

// False when some character of text gets the missing glyph (index 0) from
// font and every font Qt falls back on for it.
bool drawsEvery(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.begin(), runs.end(),
                        [](const QGlyphRun &run) { return run.glyphIndexes().contains(0); });
}

} // namespace

namespace Fonts {

QFont fitted(QFont font, const QString &text, qreal width)
{
    if (font.italic() && !drawsEvery(font, text))
        font.setItalic(false);
    // Advances do not shrink quite in step with the size: a few tries.
    for (int i = 0; i < 4; ++i) {
        const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
        if (wide <= width)
            break;
        font.setPointSizeF(font.pointSizeF() * width / wide * 0.98);
    }
    return font;
}

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
