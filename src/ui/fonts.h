#pragma once

#include <QFont>

// The screens were laid out for Arial and Times New Roman. Liberation Sans and
// Liberation Serif have the same metrics, so text fits the given geometry;
// without them the platform's sans and serif fonts stand in.
namespace Fonts {

QFont sans(qreal pointSize, bool bold = false, bool italic = false);
QFont serif(qreal pointSize, bool bold = false, bool italic = false);
// The platform's standard dialog font at the given size.
QFont dialog(qreal pointSize, bool bold = false);

} // namespace Fonts
