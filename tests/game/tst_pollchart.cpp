#include "game/pollchart.h"
#include "game/shapebox.h"
#include "modalwatch.h"
#include "testprogram.h"
#include "ui/geometry.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

void setPoll(AppState &state, const QList<int> &votes)
{
    state.poll_a = qint16(votes.at(0));
    state.poll_b = qint16(votes.at(1));
    state.poll_c = qint16(votes.at(2));
    state.poll_d = qint16(votes.at(3));
}

const QColor NAVY(0, 0, 128);
const QColor PURPLE(192, 0, 192);

} // namespace

class TestPollChart : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void barsStandOnTheBaseLine_data();
    void barsStandOnTheBaseLine();
    void fixedControls_data();
    void fixedControls();
    void gridIsDrawnBehindTheBars();
    void backClosesAndEachOpeningShowsTheNewPoll();
};

void TestPollChart::barsStandOnTheBaseLine_data()
{
    QTest::addColumn<QList<int>>("votes");
    QTest::addColumn<QList<int>>("tops");

    QTest::newRow("62/13/12/13")
        << QList<int>{62, 13, 12, 13} << QList<int>{1280, 2260, 2280, 2260};
    QTest::newRow("all to one") << QList<int>{0, 0, 100, 0} << QList<int>{2520, 2520, 520, 2520};
    QTest::newRow("no votes") << QList<int>{0, 0, 0, 0} << QList<int>{2520, 2520, 2520, 2520};
    QTest::newRow("1/33/33/33") << QList<int>{1, 33, 33, 33} << QList<int>{2500, 1860, 1860, 1860};
}

void TestPollChart::barsStandOnTheBaseLine()
{
    QFETCH(QList<int>, votes);
    QFETCH(QList<int>, tops);

    TestProgram program;
    setPoll(program.state, votes);
    PollChart form(program.state, program.services);

    const QList<ShapeBox *> bars{form.bar_a, form.bar_b, form.bar_c, form.bar_d};
    const QList<QLabel *> percents{form.lbl_1, form.lbl_2, form.lbl_3, form.lbl_4};
    const int lefts[] = {120, 480, 840, 1200};
    for (int i = 0; i < 4; ++i) {
        const int height = 2520 - tops.at(i);
        QCOMPARE(height, 20 * votes.at(i));
        QCOMPARE(bars.at(i)->geometry(), Twips::rect(lefts[i], tops.at(i), 375, height));
        // Whatever the rounding to pixels, every bar ends on the base line.
        QCOMPARE(bars.at(i)->geometry().top() + bars.at(i)->height(), Twips::px(2520));
        QCOMPARE(bars.at(i)->fillColor(), PURPLE);
        QCOMPARE(percents.at(i)->text(), QString::number(votes.at(i)) + "%");
        QCOMPARE(percents.at(i)->geometry(), Twips::rect(lefts[i], 360, 375, 255));
        QVERIFY(QFontMetrics(percents.at(i)->font()).horizontalAdvance(percents.at(i)->text()) <=
                percents.at(i)->width());
    }
    QVERIFY(form.line_bottom->isHidden());
}

void TestPollChart::fixedControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label8") << "Label8" << QRect(120, 120, 1455, 255) << "Results";
    QTest::newRow("lbl_a") << "lbl_a" << QRect(120, 2640, 375, 255) << "A";
    QTest::newRow("Label1") << "Label1" << QRect(480, 2640, 375, 255) << "B";
    QTest::newRow("Label2") << "Label2" << QRect(840, 2640, 375, 255) << "C";
    QTest::newRow("Label3") << "Label3" << QRect(1200, 2640, 375, 255) << "D";
    QTest::newRow("cmd_back") << "cmd_back" << QRect(1680, 600, 855, 375) << "Back";
}

void TestPollChart::fixedControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);

    TestProgram program;
    PollChart form(program.state, program.services);
    QCOMPARE(form.windowTitle(), QString("Ask Your Friends"));
    QCOMPARE(form.size(), Twips::size(2640, 2925));
    auto *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
    }
}

void TestPollChart::gridIsDrawnBehindTheBars()
{
    TestProgram program;
    setPoll(program.state, {0, 50, 0, 100});
    PollChart form(program.state, program.services);
    const QImage shot = form.grab().toImage();
    auto at = [&](int x, int y) { return shot.pixelColor(Twips::px(x), Twips::px(y)); };

    // Every crossing of the grid that no bar covers is white: B covers x 480
    // to 855 from y 1520 down, D x 1200 to 1575 from y 520 down.
    int crossings = 0;
    for (int y = 600; y <= 2280; y += 240) {
        for (int x = 120; x <= 1560; x += 240) {
            const bool underB = x >= 480 && x <= 855 && y >= 1520;
            const bool underD = x >= 1200 && x <= 1575;
            if (!underB && !underD) {
                QCOMPARE(at(x, y), QColor(Qt::white));
                ++crossings;
            }
        }
    }
    QCOMPARE(crossings, 8 * 5 - 4 * 2);
    QCOMPARE(at(120, 2520), QColor(Qt::white)); // the foot of the first column line
    // Between the lines the window shows.
    QCOMPARE(at(240, 720), NAVY);
    QCOMPARE(at(960, 2400), NAVY);
    // The bars cover the grid: B up to 50 votes, D all the way up past the top line.
    QCOMPARE(at(660, 1800), PURPLE);
    QCOMPARE(at(660, 1440), NAVY);
    QCOMPARE(at(1380, 600), PURPLE);
    QCOMPARE(at(1380, 555), PURPLE);
    QCOMPARE(at(1080, 555), NAVY);
}

void TestPollChart::backClosesAndEachOpeningShowsTheNewPoll()
{
    TestProgram program;
    QWidget game;
    game.show();
    QStringList seen;
    for (const QList<int> &votes : {QList<int>{62, 13, 12, 13}, QList<int>{25, 25, 40, 10}}) {
        setPoll(program.state, votes);
        ModalWatch watch([&](QWidget *modal) {
            auto *chart = qobject_cast<PollChart *>(modal);
            QVERIFY(chart);
            QCOMPARE(chart->parentWidget(), &game);
            seen << chart->lbl_1->text() + " " + chart->lbl_4->text();
            QTest::mouseClick(chart->cmd_back, Qt::LeftButton);
        });
        PollChart::showModal(program.state, program.services, &game);
        QVERIFY(watch.ran());
        QVERIFY(game.findChildren<PollChart *>().isEmpty());
    }
    QCOMPARE(seen, (QStringList{"62% 13%", "25% 10%"}));
}

QTEST_MAIN(TestPollChart)
#include "tst_pollchart.moc"
