#include "game/pollchart.h"
#include "testprogram.h"
#include "ui/geometry.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestPollChart : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void barsStandInFrontOfTheGrid_data()
    {
        QTest::addColumn<QList<int>>("votes");
        QTest::newRow("62/13/12/13") << QList<int>{62, 13, 12, 13};
        QTest::newRow("0/50/0/100") << QList<int>{0, 50, 0, 100};
        QTest::newRow("no votes") << QList<int>{0, 0, 0, 0};
    }

    void barsStandInFrontOfTheGrid()
    {
        QFETCH(QList<int>, votes);
        PollChart chart({qint16(votes[0]), qint16(votes[1]), qint16(votes[2]), qint16(votes[3])});
        const QImage shot = chart.grab().toImage();
        auto at = [&](int x, int y) { return shot.pixelColor(Twips::px(x), Twips::px(y)); };
        const QColor purple(192, 0, 192);

        // A bar rises 20 twips a vote from the base line at 2520, in columns
        // 375 twips wide from 120, 480, 840 and 1200.
        auto covered = [&](int x, int y) {
            for (int i = 0; i < 4; ++i) {
                if (x >= 120 + 360 * i && x <= 495 + 360 * i && y >= 2520 - 20 * votes[i])
                    return true;
            }
            return false;
        };
        for (int i = 0; i < 4; ++i) {
            const int middle = 307 + 360 * i;
            const int top = 2520 - 20 * votes[i];
            QCOMPARE(at(middle, top + 30) == purple, votes[i] > 0);
            QVERIFY(at(middle, top - 30) != purple);
            auto *percent = chart.findChild<QLabel *>(QString("lbl_%1").arg(i + 1));
            QCOMPARE(percent->text(), QString::number(votes[i]) + "%");
        }
        // The grid shows wherever no bar stands in front of it.
        for (int y = 600; y <= 2280; y += 240) {
            for (int x = 120; x <= 1560; x += 240)
                QCOMPARE(at(x, y) == QColor(Qt::white), !covered(x, y));
        }

        chart.show();
        QTest::mouseClick(chart.findChild<QPushButton *>("cmd_back"), Qt::LeftButton);
        QVERIFY(!chart.isVisible());
    }
};

QTEST_MAIN(TestPollChart)
#include "tst_pollchart.moc"
