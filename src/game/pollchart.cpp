#include "pollchart.h"

#include "linecontrol.h"
#include "shapebox.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// The four columns share their left edges and width.
constexpr int COLUMN_LEFT[] = {120, 480, 840, 1200};
constexpr int COLUMN_WIDTH = 375;

QLabel *chartLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Fonts::sans(8.25, true));
    label->setAlignment(Qt::AlignCenter);
    Colors::setForeground(label, Qt::white);
    return label;
}

// A column is narrower than "100%" in the chart's font; that one label gets
// a smaller font rather than lose its edges.
void setFittingText(QLabel *label, const QString &text)
{
    QFont font = Fonts::sans(8.25, true);
    const int room = label->width();
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
    label->setText(text);
}

// Height of a bar per vote, in twips, and the base line the bars stand on.
constexpr int TWIPS_PER_VOTE = 20;
constexpr int BASE_Y = 2520;

} // namespace

PollChart::PollChart(const std::array<qint16, 4> &votes, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Ask Your Friends"));
    WindowIcon::apply(this);
    Twips::setClientSize(this, 2640, 2925);
    Colors::setBackground(this, QColor(0, 0, 128));
    buildGrid();
    buildColumns();
    TextDisplay::plainLabels(this);
    showVotes(votes);
    Zoom::attach(this);
}

void PollChart::buildGrid()
{
    const QColor white = Qt::white;
    // The grid first, so that the bars stand in front of it.
    const int rows[] = {600, 840, 1080, 1320, 1560, 1800, 2040, 2280};
    for (int i = 0; i < 8; ++i)
        LineControl::horizontal(this, QStringLiteral("grid_row%1").arg(i + 1), 120, 1560, rows[i],
                                white);
    for (int i = 0; i < 7; ++i) {
        const int x = 120 + i * 240;
        LineControl::vertical(this, QStringLiteral("grid_column%1").arg(i + 1), x, 600, BASE_Y,
                              white);
    }
    // The base line is part of the form but never shown.
    LineControl::horizontal(this, QStringLiteral("line_bottom"), 120, 1560, BASE_Y, white)->hide();
}

void PollChart::buildColumns()
{
    const char *barNames[] = {"bar_a", "bar_b", "bar_c", "bar_d"};
    for (int i = 0; i < 4; ++i) {
        auto *bar = new ShapeBox(this);
        bar->setObjectName(QLatin1String(barNames[i]));
        bar->setFillColor(QColor(192, 0, 192));
        // Neighbouring bars overlap by a pixel; a darker edge keeps them apart.
        bar->setBorderColor(QColor(96, 0, 96));
        Twips::place(bar, COLUMN_LEFT[i], BASE_Y, COLUMN_WIDTH, 0);
        m_bars[i] = bar;
    }

    QLabel *title = chartLabel(this, QStringLiteral("Label8"), QStringLiteral("Results"));
    Twips::place(title, 120, 120, 1455, 255);

    // Percentages above the bars and letters below them; a full bar reaches
    // into its percentage label, which stays in front and readable.
    const char *letterNames[] = {"lbl_a", "Label1", "Label2", "Label3"};
    for (int i = 0; i < 4; ++i) {
        m_percentLabels[i] = chartLabel(this, QStringLiteral("lbl_%1").arg(i + 1), QString());
        Twips::place(m_percentLabels[i], COLUMN_LEFT[i], 360, COLUMN_WIDTH, 255);
        QLabel *letter = chartLabel(this, QLatin1String(letterNames[i]), QString(QChar('A' + i)));
        Twips::place(letter, COLUMN_LEFT[i], 2640, COLUMN_WIDTH, 255);
    }

    auto *back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("cmd_back"));
    Twips::place(back, 1680, 600, 855, 375);
    back->setDefault(true);
    back->setFocus();
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

void PollChart::showVotes(const std::array<qint16, 4> &votes)
{
    QStringList results;
    for (int i = 0; i < 4; ++i) {
        const int height = TWIPS_PER_VOTE * votes[i];
        Twips::place(m_bars[i], COLUMN_LEFT[i], BASE_Y - height, COLUMN_WIDTH, height);
        const QString percent = QString::number(votes[i]) + QLatin1Char('%');
        setFittingText(m_percentLabels[i], percent);
        // Heard with its letter, as the chart is seen with the letters below.
        m_percentLabels[i]->setAccessibleName(QChar(u'A' + i) + QStringLiteral(": ") + percent);
        results << m_percentLabels[i]->accessibleName();
    }
    // Said as the chart opens, after its title: the four results at once.
    setAccessibleDescription(results.join(QStringLiteral(", ")));
}
