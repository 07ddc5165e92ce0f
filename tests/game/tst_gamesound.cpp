#include "testprogram.h"
#include "game/gamescreen.h"
#include "game/qtsoundservice.h"
#include "game/wavcheck.h"
#include "gamedriver.h"

#include <QBuffer>
#include <QDir>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// A WAV file of 16-bit PCM with dataBytes of sound, its header true to it.
QByteArray wav(int channels, int dataBytes)
{
    QByteArray out("RIFF....WAVEfmt ");
    auto put = [&out](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += char(value >> (8 * i));
    };
    put(16, 4);
    put(1, 2); // PCM
    put(channels, 2);
    put(22050, 4);
    put(22050 * channels * 2, 4);
    put(channels * 2, 2);
    put(16, 2);
    out += "data";
    put(dataBytes, 4);
    out += QByteArray(dataBytes, '\x10');
    qToLittleEndian<quint32>(out.size() - 8, out.data() + 4);
    return out;
}

// The same with a 32-bit word of the header changed: at 16 the "fmt "
// chunk's size, at 20 the format and channels, at 40 the "data" chunk's size.
QByteArray lying(QByteArray bytes, int at, quint32 claim)
{
    qToLittleEndian<quint32>(claim, bytes.data() + at);
    return bytes;
}

// The broken shapes, each as one of the game's files.
const QList<std::pair<GameSound, QByteArray>> &brokenFiles()
{
    static const QList<std::pair<GameSound, QByteArray>> files{
        {GameSound::fifty, wav(1, 8000).first(5000)},
        {GameSound::second_bg, lying(wav(1, 8), 40, 0x80000000)},
        {GameSound::final_bg, lying(wav(1, 8000), 40, 0xFFFFFFFF)},
        {GameSound::win_bg, wav(2, 3)},
        {GameSound::lose_bg, lying(wav(1, 8000), 16, 0x80000000)},
    };
    return files;
}

// Fails the run at once, rather than letting it hang for good, when the
// scope it guards has not been left within the limit.
struct TimeLimit
{
    explicit TimeLimit(unsigned seconds)
    {
        ::signal(SIGALRM, [](int) {
            const char text[] = "FAIL!  : still running after the time limit: the program hangs\n";
            [[maybe_unused]] const auto written = ::write(2, text, sizeof text - 1);
            ::_exit(1);
        });
        ::alarm(seconds);
    }
    ~TimeLimit() { ::alarm(0); }
};

} // namespace

// The generated sound files and the sound service that plays them.
class TestGameSound : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

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

    void sizeCheck_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("good") << wav(2, 8000) << "";
        QTest::newRow("data claims 2 GB, 8 bytes there")
            << brokenFiles()[1].second << "its \"data\" chunk claims 2147483648 bytes but 8 follow it";
        QTest::newRow("data size 0xFFFFFFFF")
            << brokenFiles()[2].second
            << "its \"data\" chunk claims 4294967295 bytes but 8000 follow it";
        QTest::newRow("4 bytes short")
            << wav(2, 8000).chopped(4) << "the RIFF header claims 8044 bytes but the file has 8040";
        QByteArray longer = wav(2, 8000);
        qToLittleEndian<quint32>(8004, longer.data() + 40);
        QTest::newRow("data 4 bytes longer than what follows")
            << longer << "its \"data\" chunk claims 8004 bytes but 8000 follow it";
        QTest::newRow("3 bytes of stereo 16-bit")
            << wav(2, 3) << "its 3 bytes of sound are not whole frames of 4 bytes";
        QTest::newRow("fmt chunk of 2 GB")
            << brokenFiles()[4].second
            << "its \"fmt \" chunk claims 2147483648 bytes but 8024 follow it";
    }

    void sizeCheck()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(WavCheck::problem(file), problem);
    }

    // Two games with broken, empty, missing and unknown files in the Music
    // folder: each is silent and the broken ones named on stderr, the rest
    // play, and nothing waits for data that is not there, neither the second
    // game nor the end of the program.
    void brokenFilesNeverHang()
    {
        const TimeLimit limit(30); // the sounds are all dropped before it ends
        QtSoundService service;
        GameDriver game;
        const QString music = game.program.state.folders.musicDir();
        QDir().mkpath(music);
        for (const auto &[sound, bytes] : brokenFiles())
            game.program.writeFile("../Music/" + GameSounds::fileName(sound), bytes);
        game.program.writeFile("../Music/take_bg.wav", wav(1, 8000));
        // Sizes that add up around a format Qt does not know.
        game.program.writeFile("../Music/first_bg.wav", lying(wav(1, 8000), 20, 0x00010055));
        QFile(music + "/ask.wav").open(QIODevice::WriteOnly); // empty
        game.program.services.sound = &service;
        for (int round = 0; round < 2; ++round) {
            // One line each on stderr, naming the file.
            for (const auto &[sound, bytes] : brokenFiles())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
                                                       "^Quorvane: .*/Music/" +
                                                       GameSounds::fileName(sound) +
                                                       ": .*; it stays silent.$"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("/Music/ask.wav: not a RIFF"));
            GameScreen *form = game.start();
            form->show();
            QTRY_COMPARE(service.status(GameSound::take_bg), std::optional(QSoundEffect::Ready));
            QTRY_COMPARE(service.status(GameSound::first_bg), std::optional(QSoundEffect::Error));
            for (const auto &[sound, bytes] : brokenFiles())
                QCOMPARE(service.status(sound), std::nullopt);
            QCOMPARE(service.status(GameSound::ring), std::nullopt); // missing
            game.program.dialogs.answerYes();
            game.click("Command2");
            QVERIFY(form->isOver());
        }
        // A game without a Music folder at all replaces the last one's sounds.
        service.loadGame(game.program.dir() + "/nowhere").play(GameSound::take_bg);
        QCOMPARE(service.status(GameSound::take_bg), std::nullopt);
    }
};

QTEST_MAIN(TestGameSound)
#include "tst_gamesound.moc"
