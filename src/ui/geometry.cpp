#include "geometry.h"

#include <QWidget>

namespace Twips {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

void setClientSize(QWidget *window, int width, int height)
{
    window->resize(size(width, height));
}

} // namespace Twips
