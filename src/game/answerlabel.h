#pragma once

#include <QLabel>

// One of the four answers on the game screen. A click, or Space or Enter
// while it has the focus, chooses it; the pointer or the focus arriving
// lights its box. Screen readers meet it as a button named like
// "A: ENGLISH" that can be pressed.
class AnswerLabel : public QLabel
{
    Q_OBJECT
public:
    explicit AnswerLabel(QWidget *parent = nullptr);

signals:
    void chosen();
    void pointedAt();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
