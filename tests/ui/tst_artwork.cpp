#include "testprogram.h"
#include "ui/artwork.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include <functional>

using Draw = std::function<QPixmap(QSize)>;
Q_DECLARE_METATYPE(Draw)

namespace {

using Painter = void (*)(QPainter &, const QRectF &);

// What a painter draws on a transparent pixmap of the given size, as a
// widget of that size shows it.
QPixmap picture(Painter paint, QSize size)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paint(p, QRectF(pixmap.rect()));
    return pixmap;
}

Draw drawn(Painter paint)
{
    return [paint](QSize size) { return picture(paint, size); };
}

} // namespace

// The pictures drawn in code: each at the size asked for, recognisable, and
// on the ground its screen needs.
class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void everyPieceIsDrawnAtItsSize_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("opaque"); // a printed picture is; others leave their corners clear

        const std::pair<const char *, Draw> pieces[] = {
            {"fifty", drawn(Artwork::paintLifelineFifty)}, {"ask", drawn(Artwork::paintLifelineAsk)},
            {"ring", drawn(Artwork::paintLifelineRing)},   {"cross", drawn(Artwork::paintUsedCross)}};
        // The game screen's picture size, a large one and a very small one.
        for (const QSize size : {QSize(60, 49), QSize(240, 196), QSize(16, 13)}) {
            for (const auto &[name, draw] : pieces)
                QTest::addRow("%s %dx%d", name, size.width(), size.height()) << draw << size << false;
        }
        QTest::newRow("certificate logo") << drawn(Artwork::paintCertificateLogo)
                                          << QSize(Artwork::LOGO_WIDTH, Artwork::LOGO_HEIGHT) << true;
        for (int side : {16, 32, 48, 256})
            QTest::addRow("icon %d", side) << Draw([](QSize s) { return Artwork::appIcon(s.width()); }) << QSize(side, side) << false;
    }

    void everyPieceIsDrawnAtItsSize()
    {
        QFETCH(Draw, draw);
        QFETCH(QSize, size);
        QFETCH(bool, opaque);
        const QImage image = draw(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), size);
        int solid = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 255) {
                    ++solid;
                    colours.insert(image.pixel(x, y));
                }
            }
        }
        // Something is drawn, and in more than one colour: not a blank or a blot.
        QVERIFY2(solid * 10 >= size.width() * size.height(), qPrintable(QString::number(solid)));
        QVERIFY2(colours.size() >= 3, qPrintable(QString::number(colours.size())));
        if (opaque)
            QCOMPARE(solid, size.width() * size.height());
        for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), opaque ? 255 : 0);
    }

    void crossLetsThePictureShowThrough()
    {
        // Laid over a lifeline, the cross keeps the picture visible between its
        // strokes and covers its middle in red; the three lifelines differ.
        const QSize size(58, 47);
        QImage image = picture(Artwork::paintLifelineAsk, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage before = image;
        QVERIFY(before != picture(Artwork::paintLifelineFifty, size).toImage().convertToFormat(before.format()));
        QVERIFY(before != picture(Artwork::paintLifelineRing, size).toImage().convertToFormat(before.format()));
        QPainter(&image).drawPixmap(0, 0, picture(Artwork::paintUsedCross, size));
        int unchanged = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                unchanged += image.pixel(x, y) == before.pixel(x, y);
        QVERIFY2(unchanged * 2 >= size.width() * size.height(), QByteArray::number(unchanged));
        const QColor middle = image.pixelColor(size.width() / 2, size.height() / 2);
        QVERIFY2(middle.red() > 150 && middle.green() < 110 && middle.blue() < 110, qPrintable(middle.name()));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
