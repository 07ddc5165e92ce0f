#pragma once

#include <QWidget>

// A red cross laid over a used lifeline. Clicks pass through to the picture
// beneath, which ignores them once its cross shows.
class CrossMark : public QWidget
{
    Q_OBJECT
public:
    explicit CrossMark(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
