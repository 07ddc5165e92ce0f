#include "app/startscreen.h"
#include "game/soundservice.h"
#include "testprogram.h"

#include <QListWidget>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#ifndef QUORVANE_CMAKE_COMMAND
#define QUORVANE_CMAKE_COMMAND "cmake"
#endif
#ifndef QUORVANE_CPACK_COMMAND
#define QUORVANE_CPACK_COMMAND "cpack"
#endif
#ifndef QUORVANE_PACKAGE_NAME
#define QUORVANE_PACKAGE_NAME ""
#endif

namespace {

const QString kBundledSet = QStringLiteral("Questions/General Knowledge.dat");

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
};

Run run(const QString &program, const QStringList &args,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
        int timeout = 120000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run r;
    r.finished = process.waitForFinished(timeout) && process.exitStatus() == QProcess::NormalExit;
    r.exitCode = process.exitCode();
    r.out = process.readAll();
    return r;
}

// What keeps a file from being a 16-bit PCM WAV the sound service can load;
// empty when it is one.
QString wavProblem(const QByteArray &bytes)
{
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("not a RIFF WAVE file");
    if (u32(4) != quint32(bytes.size() - 8))
        return QStringLiteral("RIFF size %1 for %2 bytes").arg(u32(4)).arg(bytes.size());
    int blockAlign = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size())
            return QStringLiteral("chunk %1 runs past the end").arg(QLatin1String(id));
        if (id == "fmt ") {
            if (size < 16)
                return QStringLiteral("short fmt chunk");
            const int format = u16(body), channels = u16(body + 2), bits = u16(body + 14);
            const quint32 rate = u32(body + 4), byteRate = u32(body + 8);
            blockAlign = u16(body + 12);
            if (format != 1 || bits != 16 || channels < 1 || channels > 2)
                return QStringLiteral("format %1, %2 bits, %3 channels").arg(format).arg(bits).arg(channels);
            if (rate < 8000 || blockAlign != channels * 2 || byteRate != rate * quint32(blockAlign))
                return QStringLiteral("inconsistent rate %1, block %2").arg(rate).arg(blockAlign);
        } else if (id == "data") {
            if (blockAlign == 0)
                return QStringLiteral("data before fmt");
            if (size == 0 || size % quint32(blockAlign) != 0)
                return QStringLiteral("data of %1 bytes").arg(size);
            return QString();
        }
        at = body + size + (size & 1);
    }
    return QStringLiteral("no data chunk");
}

} // namespace

// The program folder as `cmake --install` and `cpack` lay it out: complete,
// runnable from where it lands, and offering the bundled set at once.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void folderHoldsEveryFile_data();
    void folderHoldsEveryFile();
    void musicIsSixteenBitPcm_data();
    void musicIsSixteenBitPcm();
    void bundledSetPassesTheInstalledCheck();
    void startScreenListsTheBundledSet();
    void installedProgramStartsFromElsewhere();
    void desktopEntryPointsAtTheFolder();
    void packageHoldsTheSameFolder();

private:
    QString file(const QString &name) const { return m_prefix + QLatin1Char('/') + name; }

    QTemporaryDir m_tmp;
    QString m_build;
    QString m_prefix;
};

void TestInstall::initTestCase()
{
    m_build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
    if (m_build.isEmpty())
        QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
    QVERIFY(m_tmp.isValid());
    // A space in the folder's name is what a user's folder may well have.
    m_prefix = m_tmp.filePath(QStringLiteral("Quorvane Game"));
    const Run install = run(QStringLiteral(QUORVANE_CMAKE_COMMAND),
                            {QStringLiteral("--install"), m_build, QStringLiteral("--prefix"),
                             m_prefix});
    QVERIFY2(install.finished && install.exitCode == 0, install.out.constData());
}

void TestInstall::cleanup()
{
    TestProgram::closeAllWindows();
}

void TestInstall::folderHoldsEveryFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("executable");
    QTest::newRow("game") << QStringLiteral("quorvane") << true;
    QTest::newRow("set tool") << QStringLiteral("quorvane-sets") << true;
    QTest::newRow("bundled set") << kBundledSet << false;
    QTest::newRow("icon") << QStringLiteral("quorvane.png") << false;
    QTest::newRow("desktop file") << QStringLiteral("quorvane.desktop") << false;
    QTest::newRow("menu entry script") << QStringLiteral("install-desktop-entry.sh") << true;
    for (GameSound sound : GameSounds::ALL)
        QTest::newRow(qPrintable(GameSounds::fileName(sound)))
            << QStringLiteral("Music/") + GameSounds::fileName(sound) << false;
}

void TestInstall::folderHoldsEveryFile()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    const QFileInfo info(file(name));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void TestInstall::musicIsSixteenBitPcm_data()
{
    QTest::addColumn<QString>("name");
    for (GameSound sound : GameSounds::ALL)
        QTest::newRow(qPrintable(GameSounds::fileName(sound))) << GameSounds::fileName(sound);
}

void TestInstall::musicIsSixteenBitPcm()
{
    QFETCH(QString, name);
    QFile wav(file(QStringLiteral("Music/") + name));
    QVERIFY2(wav.open(QIODevice::ReadOnly), qPrintable(wav.fileName()));
    const QString problem = wavProblem(wav.readAll());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestInstall::bundledSetPassesTheInstalledCheck()
{
    const Run check = run(file(QStringLiteral("quorvane-sets")),
                          {QStringLiteral("check"), file(kBundledSet)});
    QVERIFY2(check.finished && check.exitCode == 0, check.out.constData());
}

void TestInstall::startScreenListsTheBundledSet()
{
    TestProgram program;
    program.state.program_dir = m_prefix;
    StartScreen form(program.state, program.services);
    const auto *list = form.findChild<QListWidget *>(QStringLiteral("File1"));
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, QStringList{QStringLiteral("General Knowledge.dat")});
}

void TestInstall::installedProgramStartsFromElsewhere()
{
    // Started from another folder, the program still finds its own; it keeps
    // running with its start screen until it is ended.
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_tmp.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(file(QStringLiteral("quorvane")), {});
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    const bool ended = process.waitForFinished(2000);
    const QByteArray output = process.readAll();
    if (!ended) {
        process.kill();
        process.waitForFinished(10000);
    }
    QVERIFY2(!ended, qPrintable(QStringLiteral("ended with %1: %2")
                                    .arg(process.exitCode())
                                    .arg(QString::fromLocal8Bit(output))));
    QCOMPARE(QDir(file(QStringLiteral("Questions"))).entryList(QDir::Files),
             QStringList{QStringLiteral("General Knowledge.dat")});
}

void TestInstall::desktopEntryPointsAtTheFolder()
{
    QTemporaryDir data;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    const QString script = file(QStringLiteral("install-desktop-entry.sh"));
    const Run add = run(script, {}, env);
    QVERIFY2(add.finished && add.exitCode == 0, add.out.constData());

    // The menu entry and the folder's own desktop file both start the
    // program in its folder, by absolute paths.
    const QString menuEntry = data.filePath(QStringLiteral("applications/quorvane.desktop"));
    const QString folder = QFileInfo(m_prefix).canonicalFilePath();
    for (const QString &path : {menuEntry, file(QStringLiteral("quorvane.desktop"))}) {
        QFile entry(path);
        QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("[Desktop Entry]")));
        QVERIFY(lines.contains(QStringLiteral("Type=Application")));
        QVERIFY2(lines.contains(QStringLiteral("Exec=\"%1/quorvane\"").arg(folder)),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        QVERIFY(lines.contains(QStringLiteral("Path=") + folder));
        QVERIFY(lines.contains(QStringLiteral("Icon=%1/quorvane.png").arg(folder)));
    }

    const Run remove = run(script, {QStringLiteral("--remove")}, env);
    QVERIFY2(remove.finished && remove.exitCode == 0, remove.out.constData());
    QVERIFY(!QFileInfo::exists(menuEntry));
    QVERIFY(QFileInfo::exists(file(QStringLiteral("quorvane.desktop"))));
}

void TestInstall::packageHoldsTheSameFolder()
{
    const QString packages = m_tmp.filePath(QStringLiteral("packages"));
    const Run pack = run(QStringLiteral(QUORVANE_CPACK_COMMAND),
                         {QStringLiteral("-G"), QStringLiteral("TGZ"), QStringLiteral("--config"),
                          m_build + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"),
                          packages});
    QVERIFY2(pack.finished && pack.exitCode == 0, pack.out.constData());
    const QString name = QStringLiteral(QUORVANE_PACKAGE_NAME);
    QVERIFY(name.startsWith(QLatin1String("quorvane-")) && name.endsWith(QLatin1String("-Linux")));
    const QString tarball = packages + QLatin1Char('/') + name + QStringLiteral(".tar.gz");
    QVERIFY2(QFileInfo(tarball).isFile(), qPrintable(tarball));

    const Run list = run(QStringLiteral("tar"), {QStringLiteral("-tzf"), tarball});
    QVERIFY2(list.finished && list.exitCode == 0, list.out.constData());
    QStringList listed;
    for (const QByteArray &line : list.out.split('\n')) {
        if (!line.isEmpty() && !line.endsWith('/'))
            listed << QString::fromUtf8(line);
    }
    QStringList expected;
    QDirIterator it(m_prefix, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        expected << name + QLatin1Char('/') + QDir(m_prefix).relativeFilePath(it.next());
    listed.sort();
    expected.sort();
    QCOMPARE(listed, expected);

    // Unpacked elsewhere, its stripped tool still reads the bundled set.
    const QString unpacked = m_tmp.filePath(QStringLiteral("unpacked"));
    QVERIFY(QDir().mkpath(unpacked));
    const Run untar = run(QStringLiteral("tar"), {QStringLiteral("-xzf"), tarball,
                                                  QStringLiteral("-C"), unpacked});
    QVERIFY2(untar.finished && untar.exitCode == 0, untar.out.constData());
    const QString folder = unpacked + QLatin1Char('/') + name + QLatin1Char('/');
    const Run check = run(folder + QStringLiteral("quorvane-sets"),
                          {QStringLiteral("check"), folder + kBundledSet});
    QVERIFY2(check.finished && check.exitCode == 0, check.out.constData());
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
