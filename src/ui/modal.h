#pragma once

class QWidget;

namespace Modal {

// Shows a screen modally and returns once it has closed. The screen is
// destroyed on closing, so nothing of it outlives the visit.
void showUntilClosed(QWidget *screen);

} // namespace Modal
