#include "wrappedlabel.h"

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
}

WrappedLabel::Looks WrappedLabel::looks() const
{
    return {text(), font(), contentsMargins(), margin(), indent(), minimumWidth(), alignment(),
            textFormat()};
}

int WrappedLabel::heightForWidth(int width) const
{
    // The last answer stands while nothing it depends on has changed.
    Looks now = looks();
    if (width != m_width || !(now == m_looks)) {
        m_height = QLabel::heightForWidth(width);
        m_width = width;
        m_looks = std::move(now);
    }
    return m_height;
}
