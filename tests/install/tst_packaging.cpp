// The program as it ships: the folder `cmake --install` and `cpack` lay out,
// complete and runnable from where it lands, and a certificate printed on a
// real CUPS queue that writes PDF files. Printing runs where
// tools/printer-setup.sh has made a cups-pdf queue the default printer and
// skips elsewhere, unless QUORVANE_REQUIRE_PRINTER=1 makes a missing printer fail.
#include "app/startscreen.h"
#include "game/certificatewindow.h"
#include "game/qtprintservice.h"
#include "game/soundservice.h"
#include "recordingprinter.h"
#include "testprogram.h"

#include <QListWidget>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString kBundledSet = QStringLiteral("Questions/General Knowledge.dat");

struct Run
{
    bool ok = false; // finished in time with exit code 0
    QByteArray out;
};

Run run(const QString &program, const QStringList &args,
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool ok = process.waitForFinished(120000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok, process.readAll()};
}

// The folders cups-pdf may write this user's jobs to: its Out folder and the
// one for anonymous jobs, as its configuration names them.
QStringList pdfFolders()
{
    QString out = "/var/spool/cups-pdf/${USER}";
    QString anonymous = "/var/spool/cups-pdf/ANONYMOUS";
    QFile conf("/etc/cups/cups-pdf.conf");
    if (conf.open(QIODevice::ReadOnly)) {
        static const QRegularExpression setting("^\\s*(Out|AnonDirName)\\s+(\\S.*?)\\s*$");
        for (const QByteArray &line : conf.readAll().split('\n')) {
            const auto m = setting.match(QString::fromLocal8Bit(line));
            if (m.hasMatch())
                (m.captured(1) == "Out" ? out : anonymous) = m.captured(2);
        }
    }
    const passwd *user = getpwuid(getuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    const QString name =
        user ? QString::fromLocal8Bit(user->pw_name) : qEnvironmentVariable("USER");
    out.replace("${HOME}", home).replace("${USER}", name);
    return {out, anonymous};
}

QStringList pdfsIn(const QStringList &folders)
{
    QStringList found;
    for (const QString &folder : folders)
        for (const QFileInfo &pdf : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files))
            found << pdf.filePath();
    return found;
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { TestProgram::closeAllWindows(); }
    void folderHoldsEveryFile_data();
    void folderHoldsEveryFile();
    void installedFolderWorks();
    void desktopEntryPointsAtTheFolder();
    void packageHoldsTheSameFolder();
    void printReachesTheDefaultPrinter();

private:
    QString file(const QString &name) const { return m_prefix + QLatin1Char('/') + name; }

    QTemporaryDir m_tmp;
    QString m_build;
    QString m_prefix;
};

void TestPackaging::initTestCase()
{
    m_build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
    if (m_build.isEmpty())
        QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
    QVERIFY(m_tmp.isValid());
    // A space in the folder's name is what a user's folder may well have.
    m_prefix = m_tmp.filePath(QStringLiteral("Quorvane Game"));
    const Run install = run(QUORVANE_CMAKE_COMMAND, {"--install", m_build, "--prefix", m_prefix});
    QVERIFY2(install.ok, install.out.constData());
}

void TestPackaging::folderHoldsEveryFile_data()
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

void TestPackaging::folderHoldsEveryFile()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    const QFileInfo info(file(name));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
    // Data files arrive as the build made them (the build's own tests check
    // what they hold); executables may lose their build paths.
    if (!executable) {
        QFile built(m_build + QStringLiteral("/quorvane/") + name), installed(info.filePath());
        QVERIFY(built.open(QIODevice::ReadOnly) && installed.open(QIODevice::ReadOnly));
        QVERIFY(built.readAll() == installed.readAll());
    }
}

void TestPackaging::installedFolderWorks()
{
    const Run check = run(file("quorvane-sets"), {"check", file(kBundledSet)});
    QVERIFY2(check.ok, check.out.constData());

    TestProgram program;
    program.state.program_dir = m_prefix;
    StartScreen form(program.state, program.services);
    auto *sets = form.findChild<QListWidget *>(QStringLiteral("File1"));
    QVERIFY(sets);
    QCOMPARE(sets->count(), 1);
    QCOMPARE(sets->item(0)->text(), QStringLiteral("General Knowledge.dat"));

    // Started from another folder, the program still finds its own; it keeps
    // running with its start screen until it is ended.
    QProcess process;
    process.setWorkingDirectory(m_tmp.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(file(QStringLiteral("quorvane")), {});
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    QVERIFY2(!process.waitForFinished(2000), process.readAll().constData());
    process.kill();
    process.waitForFinished(10000);
    QCOMPARE(QDir(file(QStringLiteral("Questions"))).entryList(QDir::Files),
             QStringList{QStringLiteral("General Knowledge.dat")});
}

void TestPackaging::desktopEntryPointsAtTheFolder()
{
    QTemporaryDir data;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    const QString script = file(QStringLiteral("install-desktop-entry.sh"));
    const Run add = run(script, {}, env);
    QVERIFY2(add.ok, add.out.constData());

    // The menu entry and the folder's own desktop file both start the
    // program in its folder, by absolute paths.
    const QString menuEntry = data.filePath(QStringLiteral("applications/quorvane.desktop"));
    const QString folder = QFileInfo(m_prefix).canonicalFilePath();
    for (const QString &path : {menuEntry, file(QStringLiteral("quorvane.desktop"))}) {
        QFile entry(path);
        QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : QStringList{"[Desktop Entry]", "Type=Application", "Path=" + folder,
                                    "Exec=\"" + folder + "/quorvane\"",
                                    "Icon=" + folder + "/quorvane.png"})
            QVERIFY2(lines.contains(line), qPrintable(path + " lacks " + line));
    }

    const Run remove = run(script, {QStringLiteral("--remove")}, env);
    QVERIFY2(remove.ok, remove.out.constData());
    QVERIFY(!QFileInfo::exists(menuEntry));
    QVERIFY(QFileInfo::exists(file(QStringLiteral("quorvane.desktop"))));
}

void TestPackaging::packageHoldsTheSameFolder()
{
    const QString packages = m_tmp.filePath(QStringLiteral("packages"));
    const Run pack = run(QUORVANE_CPACK_COMMAND,
                         {"-G", "TGZ", "--config", m_build + "/CPackConfig.cmake", "-B", packages});
    QVERIFY2(pack.ok, pack.out.constData());
    const QString name = QStringLiteral(QUORVANE_PACKAGE_NAME);
    QVERIFY(name.startsWith(QLatin1String("quorvane-")) && name.endsWith(QLatin1String("-Linux")));
    const QString tarball = packages + QLatin1Char('/') + name + QStringLiteral(".tar.gz");

    const Run list = run(QStringLiteral("tar"), {"-tzf", tarball});
    QVERIFY2(list.ok, list.out.constData());
    QStringList listed;
    for (const QByteArray &line : list.out.split('\n'))
        if (!line.isEmpty() && !line.endsWith('/'))
            listed << QString::fromUtf8(line);
    QStringList expected;
    QDirIterator it(m_prefix, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        expected << name + QLatin1Char('/') + QDir(m_prefix).relativeFilePath(it.next());
    listed.sort();
    expected.sort();
    QCOMPARE(listed, expected);

    // Unpacked elsewhere, its stripped tool still reads the bundled set.
    const Run untar = run(QStringLiteral("tar"), {"-xzf", tarball, "-C", m_tmp.path()});
    QVERIFY2(untar.ok, untar.out.constData());
    const QString folder = m_tmp.filePath(name) + QLatin1Char('/');
    const Run check = run(folder + "quorvane-sets", {"check", folder + kBundledSet});
    QVERIFY2(check.ok, check.out.constData());
}

void TestPackaging::printReachesTheDefaultPrinter()
{
    const bool required = qgetenv("QUORVANE_REQUIRE_PRINTER") == "1";
    auto unavailable = [&](const QString &reason) {
        const QString text = reason + " (tools/printer-setup.sh sets one up)";
        if (required)
            QFAIL(qPrintable(text + "; QUORVANE_REQUIRE_PRINTER=1 demands a printer"));
        QSKIP(qPrintable(text));
    };
    if (!run("lpstat", {"-r"}).out.contains("scheduler is running"))
        return unavailable("No CUPS scheduler is running");
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return unavailable("Qt sees no default printer");
    // Never print on a real printer of a developer's machine.
    if (!run("lpstat", {"-v", target.printerName()}).out.contains("cups-pdf:"))
        return unavailable("The default printer " + target.printerName() + " is not a cups-pdf queue");

    const QStringList folders = pdfFolders();
    const QStringList before = pdfsIn(folders);
    TestProgram program;
    QtPrintService printer;
    program.services.printer = &printer;
    CertificateWindow form({"ann smith", "£32000", 1, "Sport Quiz.dat"}, program.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *menu = form.findChild<QMenuBar *>(QStringLiteral("menu"));
    auto *print = form.findChild<QAction *>(QStringLiteral("print"));
    QVERIFY(menu && print);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(print).center());
    QVERIFY(program.dialogs.shown.isEmpty());

    // The queue converts and writes the job in its own time.
    QByteArray bytes;
    QDeadlineTimer deadline(60000);
    while (bytes.isEmpty() && !deadline.hasExpired()) {
        for (const QString &path : pdfsIn(folders)) {
            QFile pdf(path);
            if (before.contains(path) || !path.contains("Quorvane_Certificate") ||
                !pdf.open(QIODevice::ReadOnly))
                continue;
            const QByteArray read = pdf.readAll();
            if (read.startsWith("%PDF-") && read.right(64).contains("%%EOF")) {
                bytes = read;
                QFile::remove(path);
            }
        }
        if (bytes.isEmpty())
            QTest::qWait(250);
    }
    QVERIFY2(!bytes.isEmpty(),
             qPrintable("no printed PDF appeared within 60 s in " + folders.join(", ")));
    QCOMPARE(pdfPageCount(bytes), 1);
}

QTEST_MAIN(TestPackaging)
#include "tst_packaging.moc"
