#include "game/gamescreen.h"
#include "game/certificatewindow.h"
#include "game/qtsoundservice.h"
#include "modalwatch.h"
#include "scriptedrandom.h"
#include "testprogram.h"

#include <QDir>
#include <QLabel>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

namespace {

QString generatedMusicDir()
{
    return qEnvironmentVariable("QUORVANE_BUILD_DIR") + "/quorvane/Music";
}

struct Wav
{
    QString problem; // empty when the file is a sound 16-bit PCM WAV
    int channels = 0;
    int rate = 0;
    QList<qint16> samples; // first channel
};

Wav readWav(const QString &path)
{
    Wav wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wav.problem = "cannot open";
        return wav;
    }
    const QByteArray bytes = file.readAll();
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE" ||
        u32(4) != quint32(bytes.size() - 8)) {
        wav.problem = "not a RIFF WAVE file";
        return wav;
    }
    qsizetype at = 12;
    int bits = 0;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        if (at + 8 + qsizetype(size) > bytes.size()) {
            wav.problem = "chunk past the end: " + QString::fromLatin1(id);
            return wav;
        }
        if (id == "fmt ") {
            if (u16(at + 8) != 1)
                wav.problem = "not PCM";
            wav.channels = u16(at + 10);
            wav.rate = int(u32(at + 12));
            bits = u16(at + 22);
        } else if (id == "data") {
            if (bits != 16 || wav.channels < 1) {
                wav.problem = "not 16-bit";
                return wav;
            }
            for (qsizetype i = 0; i + 2 * wav.channels <= qsizetype(size); i += 2 * wav.channels)
                wav.samples << qFromLittleEndian<qint16>(bytes.constData() + at + 8 + i);
        }
        at += 8 + size + (size & 1);
    }
    if (wav.problem.isEmpty() && wav.samples.isEmpty())
        wav.problem = "no samples";
    return wav;
}

int largestStep(const QList<qint16> &s)
{
    int most = 0;
    for (qsizetype i = 1; i < s.size(); ++i)
        most = qMax(most, qAbs(int(s[i]) - int(s[i - 1])));
    return most;
}

} // namespace

class TestGameSound : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void generatedFilesAreSound_data();
    void generatedFilesAreSound();
    void qtLoadsTheGeneratedFiles();
    void badFilesAndNoDeviceGiveSilence();
    void gameWithoutMusicFolderPlaysToTheEnd();
};

void TestGameSound::generatedFilesAreSound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("loops");
    for (GameSound sound : GameSounds::ALL)
        QTest::newRow(qPrintable(GameSounds::name(sound)))
            << GameSounds::fileName(sound) << GameSounds::isBackground(sound);
}

void TestGameSound::generatedFilesAreSound()
{
    QFETCH(QString, file);
    QFETCH(bool, loops);

    if (qEnvironmentVariableIsEmpty("QUORVANE_BUILD_DIR"))
        QSKIP("QUORVANE_BUILD_DIR is set by CTest");
    const Wav wav = readWav(generatedMusicDir() + "/" + file);
    QVERIFY2(wav.problem.isEmpty(), qPrintable(wav.problem));
    QVERIFY(wav.rate >= 22050);
    const double seconds = double(wav.samples.size()) / wav.rate;
    QVERIFY(seconds > 0.5);

    int peak = 0;
    for (qint16 s : wav.samples)
        peak = qMax(peak, qAbs(int(s)));
    QVERIFY2(peak < 32000, "the sound clips");
    QVERIFY2(peak > 8000, "the sound is nearly silent");

    if (loops) {
        QVERIFY(seconds < 20.0);
        // The jump from the last sample back to the first is no larger than
        // a step anywhere inside the track: the loop point cannot click.
        const int seam = qAbs(int(wav.samples.first()) - int(wav.samples.last()));
        QVERIFY2(seam <= largestStep(wav.samples), qPrintable(QString::number(seam)));
    } else {
        // One-shot sounds fade in and out.
        QVERIFY(qAbs(int(wav.samples.first())) < 200);
        QVERIFY(qAbs(int(wav.samples.last())) < 200);
    }
}

void TestGameSound::qtLoadsTheGeneratedFiles()
{
    if (qEnvironmentVariableIsEmpty("QUORVANE_BUILD_DIR"))
        QSKIP("QUORVANE_BUILD_DIR is set by CTest");
    QtSoundService service;
    SoundBank &bank = service.loadGame(generatedMusicDir());
    for (GameSound sound : GameSounds::ALL) {
        QVERIFY(service.status(sound).has_value());
        QTRY_VERIFY(*service.status(sound) != QSoundEffect::Loading);
        QCOMPARE(*service.status(sound), QSoundEffect::Ready);
    }
    // With or without an output device, playing and stopping just works.
    bank.play(GameSound::first_bg);
    bank.play(GameSound::ring);
    QTest::qWait(50);
    bank.stop(GameSound::first_bg);
    bank.stop(GameSound::ring);
}

void TestGameSound::badFilesAndNoDeviceGiveSilence()
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
    SoundBank &bank = service.loadGame(music);
    QTRY_COMPARE(service.status(GameSound::first_bg), std::optional(QSoundEffect::Error));
    QCOMPARE(service.status(GameSound::ask), std::nullopt);
    QCOMPARE(service.status(GameSound::ring), std::nullopt);
    for (GameSound sound : GameSounds::ALL) {
        bank.play(sound);
        bank.stop(sound);
    }
    // A second game replaces the first one's sounds.
    service.loadGame(program.dir() + "/nowhere");
    QCOMPARE(service.status(GameSound::first_bg), std::nullopt);
}

void TestGameSound::gameWithoutMusicFolderPlaysToTheEnd()
{
    TestProgram program;
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
    for (int round = 1; round <= 15; ++round)
        records << makeQuestion(round, round + 1, QStringLiteral("Q%1").arg(round), "d");
    program.state.set_path = program.writeSet("quiz.dat", records);
    QVERIFY(!QDir(program.state.musicDir()).exists());

    QtSoundService sound;
    ScriptedRandom random;
    for (int i = 0; i < 15; ++i)
        random.push(0.5);
    program.services.sound = &sound;
    program.services.random = &random;
    program.dialogs.answerText("Ann");
    GameScreen form(program.state, program.services, nullptr);
    form.show();
    ModalWatch certificate([](QWidget *modal) {
        QVERIFY(qobject_cast<CertificateWindow *>(modal));
        modal->close();
    });
    for (int level = 1; level <= 15; ++level) {
        program.dialogs.answerYes();
        QTest::mouseClick(form.lbl_d, Qt::LeftButton);
        QCOMPARE(form.game().level, level);
    }
    QVERIFY(certificate.ran());
    QVERIFY(form.isOver());
    QCOMPARE(program.state.winnings, QString("£1000000"));
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestGameSound)
#include "tst_gamesound.moc"
