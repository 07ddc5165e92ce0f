#include "ui/artwork.h"
#include "ui/windowicon.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

using Draw = std::function<QPixmap()>;

enum class Ground {
    Transparent, // corners clear, so the screen shows round the picture
    Opaque,      // every pixel solid, as a printed picture is
};

struct Look
{
    int opaque = 0;
    QSet<QRgb> colours;
    bool allOpaque = true;
};

Look lookAt(const QImage &image)
{
    Look look;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++look.opaque;
                look.colours.insert(pixel);
            } else {
                look.allOpaque = false;
            }
        }
    }
    return look;
}

} // namespace

Q_DECLARE_METATYPE(Draw)
Q_DECLARE_METATYPE(Ground)

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void everyPieceIsDrawnAtItsSize_data();
    void everyPieceIsDrawnAtItsSize();
    void crossLetsThePictureShowThrough();
    void lifelinesDifferFromEachOther();
    void windowIconOffersEverySize();
};

void TestArtwork::everyPieceIsDrawnAtItsSize_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Ground>("ground");

    // The game screen's picture size, a large one and a very small one.
    for (const QSize size : {QSize(60, 49), QSize(240, 196), QSize(16, 13)}) {
        const QByteArray at = QByteArray::number(size.width()) + "x"
                              + QByteArray::number(size.height());
        QTest::newRow("fifty " + at) << Draw([size] { return Artwork::lifelineFifty(size); })
                                     << size << Ground::Transparent;
        QTest::newRow("ask " + at) << Draw([size] { return Artwork::lifelineAsk(size); }) << size
                                   << Ground::Transparent;
        QTest::newRow("ring " + at) << Draw([size] { return Artwork::lifelineRing(size); })
                                    << size << Ground::Transparent;
        QTest::newRow("cross " + at) << Draw([size] { return Artwork::usedCross(size); }) << size
                                     << Ground::Transparent;
    }
    QTest::newRow("certificate logo") << Draw([] { return Artwork::certificateLogo(); })
                                      << QSize(175, 91) << Ground::Opaque;
    for (int side : {16, 32, 48, 256}) {
        QTest::newRow(("icon " + QByteArray::number(side)).constData())
            << Draw([side] { return Artwork::appIcon(side); }) << QSize(side, side)
            << Ground::Transparent;
    }
}

void TestArtwork::everyPieceIsDrawnAtItsSize()
{
    QFETCH(Draw, draw);
    QFETCH(QSize, size);
    QFETCH(Ground, ground);

    const QImage image = draw().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);
    const Look look = lookAt(image);
    // Something is drawn, and in more than one colour: not a blank or a blot.
    QVERIFY2(look.opaque * 10 >= size.width() * size.height(),
             qPrintable(QStringLiteral("%1 opaque pixels").arg(look.opaque)));
    QVERIFY2(look.colours.size() >= 3, qPrintable(QString::number(look.colours.size())));
    if (ground == Ground::Opaque) {
        QVERIFY(look.allOpaque);
    } else {
        for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0),
                                    QPoint(0, size.height() - 1),
                                    QPoint(size.width() - 1, size.height() - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
}

void TestArtwork::crossLetsThePictureShowThrough()
{
    // Laid over a lifeline, the cross keeps the picture visible between its
    // strokes and covers its middle in red.
    const QSize size(58, 47);
    QImage picture = Artwork::lifelineAsk(size).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    const QImage before = picture;
    {
        QPainter p(&picture);
        p.drawPixmap(0, 0, Artwork::usedCross(size));
    }
    int unchanged = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            unchanged += picture.pixel(x, y) == before.pixel(x, y);
    QVERIFY2(unchanged * 2 >= size.width() * size.height(), qPrintable(QString::number(unchanged)));
    const QColor middle = picture.pixelColor(size.width() / 2, size.height() / 2);
    QVERIFY2(middle.red() > 150 && middle.green() < 110 && middle.blue() < 110,
             qPrintable(middle.name()));
}

void TestArtwork::lifelinesDifferFromEachOther()
{
    const QSize size(60, 49);
    const QImage fifty = Artwork::lifelineFifty(size).toImage();
    const QImage ask = Artwork::lifelineAsk(size).toImage();
    const QImage ring = Artwork::lifelineRing(size).toImage();
    QVERIFY(fifty != ask);
    QVERIFY(ask != ring);
    QVERIFY(ring != fifty);
}

void TestArtwork::windowIconOffersEverySize()
{
    const QIcon icon = WindowIcon::icon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
