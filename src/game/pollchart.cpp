#include "pollchart.h"

#include "linecontrol.h"
#include "shapebox.h"
#include "storage/appstate.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/modal.h"
#include "ui/windowicon.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPointer>
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

} // namespace

PollChart::PollChart(AppState &state, Services &, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::Dialog)
    , m_state(state)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Ask Your Friends"));
    WindowIcon::apply(this);
    Twips::setClientSize(this, 2640, 2925);
    Colors::setBackground(this, QColor(0, 0, 128));
    buildControls();
    TextDisplay::plainLabels(this);
    load();
}

void PollChart::showModal(AppState &state, Services &services, QWidget *parent)
{
    Modal::showUntilClosed(new PollChart(state, services, parent));
}

void PollChart::buildControls()
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
    line_bottom = LineControl::horizontal(this, QStringLiteral("line_bottom"), 120, 1560, BASE_Y,
                                          white);

    ShapeBox **bars[] = {&bar_a, &bar_b, &bar_c, &bar_d};
    const char *barNames[] = {"bar_a", "bar_b", "bar_c", "bar_d"};
    for (int i = 0; i < 4; ++i) {
        auto *bar = new ShapeBox(this);
        bar->setObjectName(QLatin1String(barNames[i]));
        bar->setFillColor(QColor(192, 0, 192));
        // Neighbouring bars overlap by a pixel; a darker edge keeps them apart.
        bar->setBorderColor(QColor(96, 0, 96));
        Twips::place(bar, COLUMN_LEFT[i], BASE_Y, COLUMN_WIDTH, 0);
        *bars[i] = bar;
    }

    Label8 = chartLabel(this, QStringLiteral("Label8"), QStringLiteral("Results"));
    Twips::place(Label8, 120, 120, 1455, 255);

    // Percentages above the bars and letters below them; a full bar reaches
    // into its percentage label, which stays in front and readable.
    QLabel **percents[] = {&lbl_1, &lbl_2, &lbl_3, &lbl_4};
    QLabel **letters[] = {&lbl_a, &Label1, &Label2, &Label3};
    const char *letterNames[] = {"lbl_a", "Label1", "Label2", "Label3"};
    for (int i = 0; i < 4; ++i) {
        *percents[i] = chartLabel(this, QStringLiteral("lbl_%1").arg(i + 1), QString());
        Twips::place(*percents[i], COLUMN_LEFT[i], 360, COLUMN_WIDTH, 255);
        *letters[i] = chartLabel(this, QLatin1String(letterNames[i]), QString(QChar('A' + i)));
        Twips::place(*letters[i], COLUMN_LEFT[i], 2640, COLUMN_WIDTH, 255);
    }

    cmd_back = new QPushButton(QStringLiteral("Back"), this);
    cmd_back->setObjectName(QStringLiteral("cmd_back"));
    Twips::place(cmd_back, 1680, 600, 855, 375);
    cmd_back->setDefault(true);
    cmd_back->setFocus();
    connect(cmd_back, &QPushButton::clicked, this, &PollChart::cmd_back_click);
}

void PollChart::load()
{
    line_bottom->hide();
    const qint16 votes[] = {m_state.poll_a, m_state.poll_b, m_state.poll_c, m_state.poll_d};
    ShapeBox *bars[] = {bar_a, bar_b, bar_c, bar_d};
    QLabel *percents[] = {lbl_1, lbl_2, lbl_3, lbl_4};
    for (int i = 0; i < 4; ++i) {
        const int height = TWIPS_PER_VOTE * votes[i];
        Twips::place(bars[i], COLUMN_LEFT[i], BASE_Y - height, COLUMN_WIDTH, height);
        setFittingText(percents[i], QString::number(votes[i]) + QLatin1Char('%'));
    }
}

void PollChart::cmd_back_click()
{
    close();
}
