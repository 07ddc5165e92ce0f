#pragma once

#include <QFont>
#include <QLabel>
#include <QMargins>

// A word-wrapped label that lays its text out once for each width it is
// asked about: as a window takes its size, its layout asks every label for
// the height at one width several times over, and a label lays out and
// measures its whole text for each answer.
class WrappedLabel : public QLabel
{
public:
    explicit WrappedLabel(const QString &text = {}, QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

private:
    // What the height depends on besides the width.
    struct Looks
    {
        QString text;
        QFont font;
        QMargins margins;
        int margin = 0;
        int indent = 0;
        int minimumWidth = 0;
        Qt::Alignment alignment;
        Qt::TextFormat format = Qt::AutoText;
        bool operator==(const Looks &) const = default;
    };
    Looks looks() const;

    mutable Looks m_looks;
    mutable int m_width = -1;
    mutable int m_height = 0;
};
