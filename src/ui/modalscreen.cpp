#include "modalscreen.h"

#include <QApplication>

namespace Modal {

bool blocks(const QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

} // namespace Modal
