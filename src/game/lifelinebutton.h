#pragma once

#include <QAbstractButton>

// The picture of a lifeline; clicking it uses the lifeline.
class LifelineButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum class Kind { Fifty, Ask, Ring };

    LifelineButton(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
};
