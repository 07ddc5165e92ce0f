#include "storage/settings.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

// Two screens side by side, as the program would pass their free areas.
const QList<QRect> kAreas{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};

struct Remembered
{
    bool music = true;
    QString set;
    QString player;
    std::optional<qreal> zoom;
    std::optional<QRect> place;
};

// The file as found, with one window's values; section headers and keys as
// the program writes them.
QByteArray file(const QByteArray &game, const QByteArray &window)
{
    return "[game]\n" + game + "\n[windows]\n" + window + "\n";
}

} // namespace

Q_DECLARE_METATYPE(Remembered)

// What comes back from the settings file: what was written, or, from a file
// that is broken or holds values the program never writes, the defaults.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void readsBackOnlySaneValues_data()
    {
        QTest::addColumn<QByteArray>("found"); // the file's bytes; "-" for none, "/" for a folder
        QTest::addColumn<Remembered>("expected");
        const Remembered defaults;
        QTest::newRow("none yet") << QByteArray("-") << defaults;
        QTest::newRow("a folder in its place") << QByteArray("/") << defaults;
        QTest::newRow("as written") << QByteArray()
                                    << Remembered{false, "Pub, Quiz.dat", "Smith, Ann", 1.25,
                                                  QRect(1400, 60, 800, 540)};
        // A broken file is not believed even where a line looks right.
        QTest::newRow("garbage bytes")
            << QByteArray("\x00\x01\xff[\n=\n\x80\x81", 10) + file("music=false", "") << defaults;
        QTest::newRow("wrong types")
            << file("music=maybe\nplayer=@Rect(1 2 3 4)", "Form1\\zoom=big\nForm1\\place=@Size(800 540)")
                   + "[start]\nset=a, b\n"
            << defaults;
        QTest::newRow("out of range")
            << file("player=" + QByteArray(1001, 'A'), "Form1\\zoom=-2\nForm1\\place=@Rect(0 0 0 540)") << defaults;
        QTest::newRow("zoom not a number") << file("", "Form1\\zoom=nan") << defaults;
        // A monitor unplugged since: the zoom stays, the place goes.
        QTest::newRow("off every screen")
            << file("music=false", "Form1\\zoom=1.5\nForm1\\place=@Rect(3300 100 800 540)")
            << Remembered{false, {}, {}, 1.5, std::nullopt};
        QTest::newRow("across two screens")
            << file("", "Form1\\place=@Rect(1000 100 800 540)") << defaults;
    }

    void readsBackOnlySaneValues()
    {
        QFETCH(QByteArray, found);
        QFETCH(Remembered, expected);
        QTemporaryDir dir;
        // Its folder is made when the file is first written.
        const QString path = dir.filePath(found.size() > 1 ? "quorvane.conf" : "Quorvane/quorvane.conf");
        Settings settings(path);
        QFile out(path);
        if (found.isEmpty()) {
            settings.setMusicOn(expected.music);
            settings.setLastSet(expected.set);
            settings.setLastPlayer(expected.player);
            settings.setWindow("Form1", *expected.zoom, *expected.place);
            // Values already stored leave the file alone (a write makes a new file).
            auto inode = [&] { struct stat st{}; return ::stat(QFile::encodeName(path), &st) == 0 ? st.st_ino : 0; };
            const auto written = inode();
            settings.setWindow("Form1", *expected.zoom, *expected.place);
            QCOMPARE(inode(), written);
            settings.setMusicOn(expected.music);
            QCOMPARE(inode(), written);
        } else if (found != "-") {
            QVERIFY(found == "/" ? QDir().mkpath(path) : out.open(QIODevice::WriteOnly) && out.write(found) == found.size());
            out.close();
        }
        const Settings again(path);
        QCOMPARE(again.musicOn(), expected.music);
        QCOMPARE(again.lastSet(), expected.set);
        QCOMPARE(again.lastPlayer(), expected.player);
        QCOMPARE(again.windowZoom("Form1"), expected.zoom);
        QCOMPARE(again.windowPlace("Form1", kAreas), expected.place);
        QCOMPARE(again.windowZoom("Form2"), std::nullopt);

        // What is written next replaces a broken file and is read back alone.
        settings.setMusicOn(false);
        QCOMPARE(Settings(path).musicOn(), found == "/");
        if (found != "/")
            QCOMPARE(Settings(path).lastPlayer(), expected.player);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
