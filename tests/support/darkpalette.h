#pragma once

#include <QColor>
#include <QPalette>

// Close to a dark desktop theme's colours, as a dark Fusion palette gives them.
inline QPalette darkPalette()
{
    QPalette pal(QColor(53, 53, 53), QColor(53, 53, 53));
    pal.setColor(QPalette::Base, QColor(35, 35, 35));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        pal.setColor(role, QColor(238, 238, 238));
        pal.setColor(QPalette::Disabled, role, QColor(140, 140, 140));
    }
    pal.setColor(QPalette::Highlight, QColor(42, 130, 218));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    return pal;
}
