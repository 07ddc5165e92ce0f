#pragma once

#include <QIcon>

class QWidget;

namespace WindowIcon {

// The program's icon, drawn in code at the sizes window managers ask for.
QIcon icon();
void apply(QWidget *window);

} // namespace WindowIcon
