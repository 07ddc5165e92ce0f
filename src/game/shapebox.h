#pragma once

#include <QColor>
#include <QWidget>

// A plain rectangle with a fill and an outline, drawn behind other controls.
class ShapeBox : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeBox(QWidget *parent = nullptr);

    QColor fillColor() const { return m_fill; }
    // An invalid colour leaves the inside transparent.
    void setFillColor(const QColor &color);
    void setBorderColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_border = Qt::white;
};
