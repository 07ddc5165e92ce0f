// The program as it ships: the folder `cmake --install` and `cpack` lay out,
// complete and runnable from where it lands; the Debian package, laid out as
// a system's games are and clean to Debian's checkers; and a certificate printed on a
// real CUPS queue that writes PDF files. Printing runs where
// tools/printer-setup.sh has made a cups-pdf queue the default printer and
// skips elsewhere, unless QUORVANE_REQUIRE_PRINTER=1 makes a missing printer fail.
#include "game/certificatewindow.h"
#include "game/qtprintservice.h"
#include "game/soundmodule.h"
#include "game/soundservice.h"
#include "recordingprinter.h"
#include "storage/appstate.h"
#include "storage/installlayout.h"
#include "testprogram.h"

#include <QLibrary>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString kBundledSet = QStringLiteral("Questions/General Knowledge.dat");
const char *const kNoDeb = "A sanitizer build makes no package; the normal build checks it";

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

// Whether it succeeded; what it wrote is shown when it did not.
bool succeeded(const Run &done)
{
    if (!done.ok)
        qWarning("%s", done.out.constData());
    return done.ok;
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
    const QString name = user ? QString::fromLocal8Bit(user->pw_name) : qEnvironmentVariable("USER");
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


// Every file shipped: its name in the installed folder and its path under
// /usr in the Debian package, empty where it has none.
struct Shipped
{
    QString folder, deb;
    bool executable = false;
};

QList<Shipped> shipped()
{
    const QString data = QStringLiteral("share/games/quorvane/");
    QList<Shipped> files{{"quorvane", "games/quorvane", true}, {"quorvane-sets", "games/quorvane-sets", true},
                         {"install-desktop-entry.sh", {}, true}, {"quorvane.png", {}},
                         {"quorvane_sound.so", "lib/games/quorvane/quorvane_sound.so"},
                         {kBundledSet, data + kBundledSet},
                         {"quorvane.desktop", "share/applications/org.quorvane.Quorvane.desktop"},
                         {{}, "share/metainfo/org.quorvane.Quorvane.metainfo.xml"},
                         {{}, "share/man/man6/quorvane.6.gz"}, {{}, "share/man/man6/quorvane-sets.6.gz"},
                         {{}, "share/doc/quorvane/copyright"}, {{}, "share/doc/quorvane/changelog.gz"}};
    for (GameSound sound : GameSounds::ALL)
        files.append({"Music/" + GameSounds::fileName(sound), data + "Music/" + GameSounds::fileName(sound)});
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        files.append({{}, QStringLiteral("share/icons/hicolor/%1x%1/apps/quorvane.png").arg(size)});
    return files;
}

// The files in a folder and below it, by their paths relative to it, sorted.
QStringList filesUnder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
        if (m_build.isEmpty())
            QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
        QVERIFY(m_tmp.isValid());
        // A space in the folder's name is what a user's folder may well have.
        m_prefix = m_tmp.filePath(QStringLiteral("Quorvane Game"));
        QVERIFY(succeeded(run(QUORVANE_CMAKE_COMMAND, {"--install", m_build, "--prefix", m_prefix})));

        // The Debian package of the same build, named as Debian names it, and
        // the tree it unpacks to.
#ifdef QUORVANE_NO_DEB
        return;
#endif
        const QString debs = m_tmp.filePath(QStringLiteral("debs"));
        QVERIFY(succeeded(run(QUORVANE_CPACK_COMMAND,
                              {"-G", "DEB", "--config", m_build + "/CPackConfig.cmake", "-B", debs})));
        const Run arch = run(QStringLiteral("dpkg"), {"--print-architecture"});
        QVERIFY2(arch.ok, arch.out.constData());
        m_deb = debs + QStringLiteral("/" QUORVANE_DEB_NAME "_") + QString::fromUtf8(arch.out.trimmed()) +
                QStringLiteral(".deb");
        QVERIFY2(QFileInfo(m_deb).isFile(), qPrintable(m_deb));
        m_debRoot = m_tmp.filePath(QStringLiteral("root"));
        QVERIFY(succeeded(run(QStringLiteral("dpkg-deb"), {"-x", m_deb, m_debRoot})));
    }

    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    // The folder holds every file and no other, the data files as the build
    // made them (the build's own tests check what they hold; executables may
    // lose their build paths); the tarball holds the same folder, and its
    // stripped tool, unpacked elsewhere, still reads the bundled set.
    void folderAndTarballHoldEveryFile()
    {
        QStringList expected;
        for (const Shipped &one : shipped()) {
            if (one.folder.isEmpty())
                continue;
            expected << one.folder;
            const QFileInfo info(file(one.folder));
            QVERIFY2(info.isFile() && info.size() > 0 && info.isExecutable() == one.executable,
                     qPrintable(info.filePath()));
            QFile built(m_build + QStringLiteral("/quorvane/") + one.folder), installed(info.filePath());
            QVERIFY2(one.executable || (built.open(QIODevice::ReadOnly) && installed.open(QIODevice::ReadOnly)
                                            && built.readAll() == installed.readAll()), qPrintable(one.folder));
        }
        expected.sort();
        QCOMPARE(filesUnder(m_prefix), expected);

        const QString packages = m_tmp.filePath(QStringLiteral("packages"));
        QVERIFY(succeeded(run(QUORVANE_CPACK_COMMAND,
                              {"-G", "TGZ", "--config", m_build + "/CPackConfig.cmake", "-B", packages})));
        const QString name = QStringLiteral(QUORVANE_PACKAGE_NAME);
        QVERIFY(name.startsWith(QLatin1String("quorvane-")) && name.endsWith(QLatin1String("-Linux")));
        QVERIFY(succeeded(run(QStringLiteral("tar"), {"-xzf", packages + '/' + name + ".tar.gz", "-C", m_tmp.path()})));
        const QString folder = m_tmp.filePath(name) + QLatin1Char('/');
        QCOMPARE(filesUnder(folder), expected);
        QVERIFY(succeeded(run(folder + "quorvane-sets", {"check", folder + kBundledSet})));
    }

    // The set tool's own run from the folder is the tarball's, above.
    void installedFolderWorks()
    {
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

    void desktopEntryPointsAtTheFolder()
    {
        QTemporaryDir data;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        const QString script = file(QStringLiteral("install-desktop-entry.sh"));
        QVERIFY(succeeded(run(script, {}, env)));

        // The menu entry and the folder's own desktop file both start the
        // program in its folder, by absolute paths.
        const QString menuEntry = data.filePath(QStringLiteral("applications/quorvane.desktop"));
        const QString folder = QFileInfo(m_prefix).canonicalFilePath();
        for (const QString &path : {menuEntry, file(QStringLiteral("quorvane.desktop"))}) {
            QFile entry(path);
            QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
            const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
            for (const QString &line : QStringList{"[Desktop Entry]", "Type=Application", "Path=" + folder,
                                        "Exec=\"" + folder + "/quorvane\"", "Icon=" + folder + "/quorvane.png"})
                QVERIFY2(lines.contains(line), qPrintable(path + " lacks " + line));
        }

        QVERIFY(succeeded(run(script, {QStringLiteral("--remove")}, env)));
        QVERIFY(!QFileInfo::exists(menuEntry));
        QVERIFY(QFileInfo::exists(file(QStringLiteral("quorvane.desktop"))));
    }

    // The Debian package holds exactly a system's games layout, every file
    // root's; it depends on no development package but on what the program,
    // the sound module and Qt need; and it is clean to Debian's checkers.
    void debIsLaidOutAndClean()
    {
        if (m_deb.isEmpty())
            QSKIP(kNoDeb);
        QStringList expected;
        for (const Shipped &one : shipped()) {
            if (!one.deb.isEmpty())
                expected << (one.executable ? "-rwxr-xr-x ./usr/" : "-rw-r--r-- ./usr/") + one.deb;
        }
        // dpkg-deb -c lists "MODE OWNER SIZE DATE TIME PATH".
        const Run list = run(QStringLiteral("dpkg-deb"), {"-c", m_deb});
        QVERIFY2(list.ok, list.out.constData());
        static const QRegularExpression entry("^(-\\S+) root/root +\\d+ \\S+ \\S+ (.*)$");
        QStringList listed;
        for (const QByteArray &line : list.out.split('\n')) {
            if (line.isEmpty() || line.startsWith('d'))
                continue;
            const auto m = entry.match(QString::fromUtf8(line));
            QVERIFY2(m.hasMatch(), line.constData());
            listed << m.captured(1) + QLatin1Char(' ') + m.captured(2);
        }
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);

        const Run depends = run(QStringLiteral("dpkg-deb"), {"-f", m_deb, "Depends"});
        QVERIFY2(depends.ok, depends.out.constData());
        // The package names alone, without versions, spaces or alternatives.
        static const QRegularExpression versions("\\([^)]*\\)|\\s"), separators("[,|]"), dev("-dev$");
        const QStringList packages = QString::fromUtf8(depends.out).remove(versions).split(separators);
        QVERIFY2(packages.filter(dev).isEmpty(), qPrintable(packages.join(", ")));
        for (const char *needed : {"libqt6widgets6", "libqt6multimedia6", "qt6-qpa-plugins"})
            QVERIFY2(packages.contains(QLatin1String(needed)), qPrintable(packages.join(", ")));

        const QStringList checkers[] = {
            {"lintian", "--fail-on", "error,warning", m_deb},
            {"desktop-file-validate", inDeb("share/applications/org.quorvane.Quorvane.desktop")},
            {"appstreamcli", "validate", "--no-net", inDeb("share/metainfo/org.quorvane.Quorvane.metainfo.xml")}};
        for (const QStringList &checker : checkers) {
            const Run check = run(checker.first(), checker.mid(1));
            QVERIFY2(check.ok, qPrintable(checker.first() + ": " + QString::fromUtf8(check.out)));
        }
    }

    void debFindsItsDataFromItsFolder()
    {
        if (m_deb.isEmpty())
            QSKIP(kNoDeb);
        const QString games = inDeb(QStringLiteral("games"));
        QCOMPARE(InstallLayout::dataDir(games), inDeb(QStringLiteral("share/games/quorvane")));
        QCOMPARE(InstallLayout::dataDir(m_prefix), m_prefix);

        // The installed game keeps the user's sets where the desktop keeps a
        // user's data, even where it could write its own folders, and lists
        // its own sets beside them; the portable folder keeps its sets.
        const QString userData = m_tmp.filePath(QStringLiteral("home/data"));
        const ProgramFolders installed = ProgramFolders::forProgram(games, userData + "/quorvane");
        QCOMPARE(installed.questionsDir(), userData + "/quorvane/Questions");
        QCOMPARE(installed.setPathFor("General Knowledge.dat"), inDeb("share/games/quorvane/") + kBundledSet);
        QCOMPARE(ProgramFolders::forProgram(m_prefix, userData).questionsDir(), file("Questions"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORVANE_EXIT_AFTER_SHOW"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), userData);
        QVERIFY(succeeded(run(games + QStringLiteral("/quorvane"), {}, env)));
        QCOMPARE(QDir(games).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"quorvane", "quorvane-sets"}));
        QVERIFY(QFileInfo(installed.questionsDir()).isDir());

        // The sound module is found and loads where the package put it.
        const QStringList dirs = InstallLayout::moduleDirs(games);
        QVERIFY(std::any_of(dirs.begin(), dirs.end(), [](const QString &dir) {
            const QString module = QDir(dir).filePath(QLatin1String(SoundModule::FILE_NAME));
            return QLibrary::resolve(module, SoundModule::CREATE) != nullptr;
        }));
    }

    void printReachesTheDefaultPrinter()
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
        auto *menu = control<QMenuBar>(&form, QStringLiteral("menu"));
        auto *print = control<QAction>(&form, QStringLiteral("print"));
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
        QVERIFY2(!bytes.isEmpty(), qPrintable("no printed PDF appeared within 60 s in " + folders.join(", ")));
        QCOMPARE(pdfPageCount(bytes), 1);
    }

private:
    QString file(const QString &name) const { return m_prefix + QLatin1Char('/') + name; }
    QString inDeb(const QString &name) const { return m_debRoot + QStringLiteral("/usr/") + name; }

    QTemporaryDir m_tmp;
    QString m_build;
    QString m_prefix;
    QString m_deb;
    QString m_debRoot;
};

QTEST_MAIN(TestPackaging)
#include "tst_packaging.moc"
