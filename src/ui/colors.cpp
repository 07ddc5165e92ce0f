#include "colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace Colors {

void setPair(QWidget *widget, const Pair &pair)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, pair.background);
    pal.setColor(QPalette::WindowText, pair.text);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    pal.setColor(QPalette::ButtonText, color);
    widget->setPalette(pal);
}

void followTheme(QWidget *widget)
{
    // Every role set one by one: a palette set as a whole keeps only the
    // roles it marks as its own and takes the rest from the parent.
    const QPalette theme = QApplication::palette(widget);
    QPalette pal;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (role != QPalette::NoRole)
                pal.setBrush(group, role, theme.brush(group, role));
        }
    }
    widget->setPalette(pal);
}

QColor title(const QPalette &theme)
{
    return theme.color(QPalette::Window).lightnessF() < 0.5 ? QColor(150, 180, 255)
                                                             : QColor(20, 40, 140);
}

} // namespace Colors
