#pragma once

#include <QFont>

// The screens were laid out for Arial and Times New Roman. Liberation Sans and
// Liberation Serif have the same metrics, so text fits the given geometry;
// without them the platform's sans and serif fonts stand in.
namespace Fonts {

QFont sans(qreal pointSize, bool bold = false, bool italic = false);
QFont serif(qreal pointSize, bool bold = false, bool italic = false);
// The font to draw text with on a line width pixels wide: upright where no
// italic face (nor any fallback of it) has a glyph for every character, as is
// usual for Arabic, and smaller where the text would not fit, so that no
// letter is drawn blank or cut off.
QFont fitted(QFont font, const QString &text, qreal width);
// The platform's standard dialog font at the given size.
QFont dialog(qreal pointSize, bool bold = false);

} // namespace Fonts
