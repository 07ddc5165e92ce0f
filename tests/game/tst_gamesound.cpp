#include "game/qtsoundservice.h"
#include "testprogram.h"

#include <QDir>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

// The generated sound files and the sound service that plays them.
class TestGameSound : public QObject
{
    Q_OBJECT

private slots:
    void generatedFilesSoundRight_data()
    {
        QTest::addColumn<GameSound>("sound");
        for (GameSound sound : GameSounds::ALL)
            QTest::newRow(qPrintable(GameSounds::name(sound))) << sound;
    }

    void generatedFilesSoundRight()
    {
        QFETCH(GameSound, sound);
        if (qEnvironmentVariableIsEmpty("QUORVANE_BUILD_DIR"))
            QSKIP("QUORVANE_BUILD_DIR is set by CTest");
        const QString music = qEnvironmentVariable("QUORVANE_BUILD_DIR") + "/quorvane/Music";
        QFile file(music + "/" + GameSounds::fileName(sound));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The generator writes mono 16-bit PCM behind a 44-byte header.
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 44 && bytes.mid(36, 4) == "data" && bytes.at(22) == 1);
        const int rate = qFromLittleEndian<qint32>(bytes.constData() + 24);
        QList<qint16> s(bytes.size() / 2 - 22);
        qFromLittleEndian<qint16>(bytes.constData() + 44, s.size(), s.data());
        QVERIFY(rate >= 22050 && s.size() > rate / 2);

        int peak = 0;
        int largestStep = 0;
        for (qsizetype i = 1; i < s.size(); ++i) {
            peak = qMax(peak, qAbs(int(s[i])));
            largestStep = qMax(largestStep, qAbs(int(s[i]) - int(s[i - 1])));
        }
        QVERIFY2(peak < 32000, "the sound clips");
        QVERIFY2(peak > 8000, "the sound is nearly silent");
        if (GameSounds::isBackground(sound)) {
            QVERIFY(s.size() < 20 * rate);
            // The jump from the last sample back to the first is no larger
            // than a step anywhere inside the track: the loop cannot click.
            QVERIFY(qAbs(int(s.first()) - int(s.last())) <= largestStep);
        } else {
            // One-shot sounds fade in and out.
            QVERIFY(qAbs(int(s.first())) < 200 && qAbs(int(s.last())) < 200);
        }

        // Qt reads the file, and plays and stops it with or without a device.
        QtSoundService service;
        SoundBank &bank = service.loadGame(music);
        QTRY_VERIFY(service.status(sound) != QSoundEffect::Loading);
        QCOMPARE(service.status(sound), std::optional(QSoundEffect::Ready));
        bank.play(sound);
        QTest::qWait(20);
        bank.stop(sound);
    }

    void badAndMissingFilesAreSilent()
    {
        TestProgram program;
        const QString music = program.state.musicDir();
        QDir().mkpath(music);
        QFile junk(music + "/first_bg.wav");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(5000, 'x'));
        junk.close();
        QFile empty(music + "/ask.wav");
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();

        QtSoundService service;
        auto playAll = [](SoundBank &sounds) {
            for (GameSound sound : GameSounds::ALL) {
                sounds.play(sound);
                sounds.stop(sound);
            }
        };
        playAll(service.loadGame(music));
        QTRY_COMPARE(service.status(GameSound::first_bg), std::optional(QSoundEffect::Error));
        QCOMPARE(service.status(GameSound::ask), std::nullopt);
        QCOMPARE(service.status(GameSound::ring), std::nullopt);
        // A second game, without a Music folder at all, replaces the first
        // one's sounds; nothing plays, and nothing fails.
        playAll(service.loadGame(program.dir() + "/nowhere"));
        QCOMPARE(service.status(GameSound::first_bg), std::nullopt);
    }
};

QTEST_MAIN(TestGameSound)
#include "tst_gamesound.moc"
