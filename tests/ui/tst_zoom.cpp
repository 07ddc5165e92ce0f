#include "testprogram.h"
#include "ui/screenfit.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QtTest>

namespace {

struct Window
{
    Window()
    {
        window.resize(200, 100);
        label = new QLabel(QStringLiteral("Hi"), &window);
        label->setGeometry(10, 20, 50, 30);
        label->setFont(QFont(label->font().family(), 10));
        inner = new QWidget(&window);
        inner->setGeometry(100, 0, 100, 100);
        deep = new QWidget(inner);
        deep->setGeometry(25, 50, 50, 25);
        zoom = Zoom::attach(&window);
        window.show();
    }
    QWidget window;
    QLabel *label;
    QWidget *inner;
    QWidget *deep;
    Zoom *zoom;
};

} // namespace

// A window laid out at fixed places zooms as one picture.
class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void childrenKeepTheirPlaces_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<QPoint>("offset"); // where the zoomed picture starts
        QTest::newRow("own size") << QSize(200, 100) << 1.0 << QPoint(0, 0);
        QTest::newRow("three times") << QSize(600, 300) << 3.0 << QPoint(0, 0);
        QTest::newRow("wider than tall: centred") << QSize(600, 200) << 2.0 << QPoint(100, 0);
        QTest::newRow("taller than wide: centred") << QSize(300, 400) << 1.5 << QPoint(0, 125);
    }

    void childrenKeepTheirPlaces()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, factor);
        QFETCH(QPoint, offset);
        Window w;
        w.window.resize(size);
        QCOMPARE(w.zoom->factor(), factor);
        auto near = [](const QRect &a, const QRect &b) {
            return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1
                   && std::abs(a.right() - b.right()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1;
        };
        QVERIFY(near(w.label->geometry(), QRect(offset + QPoint(10, 20) * factor, QSize(50, 30) * factor)));
        QVERIFY(near(w.inner->geometry(), QRect(offset + QPoint(100, 0) * factor, QSize(100, 100) * factor)));
        // Inside a child, places scale without the window's offset.
        QVERIFY(near(w.deep->geometry(), QRect(QPoint(25, 50) * factor, QSize(50, 25) * factor)));
        QCOMPARE(w.label->font().pointSizeF(), 10 * factor);
        // At its own size no font is set again, which would measure all text anew.
        QCOMPARE(w.inner->testAttribute(Qt::WA_SetFont), factor != 1.0);
    }

    // The main window's own size (800x540) on the room screens leave it.
    void largestStepThatFits_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<qreal>("wanted");
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<QPoint>("at"); // where the window, at that zoom, stands centred
        QTest::newRow("1280x1024, twice asked") << QRect(0, 0, 1280, 1024) << 2.0 << 1.5 << QPoint(40, 107);
        QTest::newRow("1280x1024, fits as asked") << QRect(0, 0, 1280, 1024) << 1.25 << 1.25 << QPoint(140, 174);
        QTest::newRow("1920x1080, exactly") << QRect(0, 0, 1920, 1080) << 4.0 << 2.0 << QPoint(160, 0);
        QTest::newRow("1280x1024 at scale 2") << QRect(0, 0, 640, 512) << 1.0 << 0.75 << QPoint(20, 53);
        QTest::newRow("second screen") << QRect(1280, 0, 640, 512) << 1.0 << 0.75 << QPoint(1300, 53);
        QTest::newRow("nothing fits") << QRect(0, 0, 320, 200) << 1.0 << 0.5 << QPoint(0, 0);
        QTest::newRow("below the smallest") << QRect(0, 0, 1280, 1024) << 0.25 << 0.5 << QPoint(440, 377);
    }

    void largestStepThatFits()
    {
        QFETCH(QRect, area);
        QFETCH(qreal, wanted);
        QFETCH(qreal, zoom);
        QFETCH(QPoint, at);
        const auto sizeAt = [](qreal f) { return (QSizeF(800, 540) * f).toSize(); };
        QCOMPARE(ScreenFit::largestZoom(wanted, Zoom::STEP, area.size(), sizeAt), zoom);
        QCOMPARE(ScreenFit::centred(sizeAt(zoom), area), at);
    }

    void keysZoomInSteps()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QTest::keyClick(&w.window, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&w.window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.window.size(), QSize(300, 150));
        QTest::keyClick(&w.window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.window.size(), QSize(250, 125));
        QTest::keyClick(&w.window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(w.window.size(), QSize(200, 100));
        QCOMPARE(w.label->geometry(), QRect(10, 20, 50, 30));
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
