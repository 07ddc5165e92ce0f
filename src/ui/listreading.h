#pragma once

class QAbstractItemView;

namespace ListReading {

// Qt tells a screen reader that a list has taken the focus but not which of
// its items is current, so the reader says how many items there are and
// never the one the arrow keys would move from. Once view has the focus, the
// reader is told its current item.
void sayCurrentOnFocus(QAbstractItemView *view);

} // namespace ListReading
