// Prints a certificate on a real CUPS queue that writes PDF files. Runs where
// tools/printer-setup.sh has made a cups-pdf queue the default printer; skips
// elsewhere, unless QUORVANE_REQUIRE_PRINTER=1 makes a missing printer fail.
#include "game/certificatewindow.h"
#include "game/qtprintservice.h"
#include "recordingprinter.h"
#include "testprogram.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(15000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The folders cups-pdf may write this user's jobs to: its Out folder and the
// one for anonymous jobs, as its configuration names them.
QStringList outputFolders()
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
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList({"*.pdf"}, QDir::Files))
            found << dir.filePath(file);
    }
    return found;
}

bool completePdf(const QByteArray &bytes)
{
    return bytes.startsWith("%PDF-") && bytes.right(64).contains("%%EOF");
}

} // namespace

class TestCertificatePrint : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void printReachesTheDefaultPrinter();
};

void TestCertificatePrint::printReachesTheDefaultPrinter()
{
    const bool required = qgetenv("QUORVANE_REQUIRE_PRINTER") == "1";
    auto unavailable = [&](const QString &reason) {
        const QString text = reason + " (tools/printer-setup.sh sets one up)";
        if (required)
            QFAIL(qPrintable(text + "; QUORVANE_REQUIRE_PRINTER=1 demands a printer"));
        QSKIP(qPrintable(text));
    };
    if (!run("lpstat", {"-r"}).contains("scheduler is running")) {
        unavailable("No CUPS scheduler is running");
        return;
    }
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        unavailable("Qt sees no default printer");
        return;
    }
    // Never print on a real printer of a developer's machine.
    if (!run("lpstat", {"-v", target.printerName()}).contains("cups-pdf:")) {
        unavailable("The default printer " + target.printerName() + " is not a cups-pdf queue");
        return;
    }

    const QStringList folders = outputFolders();
    const QStringList before = pdfsIn(folders);
    TestProgram program;
    QtPrintService printer;
    program.services.printer = &printer;
    program.state.player_name = "ann smith";
    program.state.set_name = "Sport Quiz.dat";
    program.state.winnings = "£32000";
    program.state.lifelines_used = 1;
    CertificateWindow form(program.state, program.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *menu = form.findChild<QMenuBar *>("menu");
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->findChild<QAction *>("print")).center());
    QVERIFY(program.dialogs.shown.isEmpty());

    // The queue converts and writes the job in its own time.
    QString printed;
    QByteArray bytes;
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        for (const QString &file : pdfsIn(folders)) {
            if (before.contains(file) || !file.contains("Quorvane_Certificate"))
                continue;
            QFile pdf(file);
            if (pdf.open(QIODevice::ReadOnly) && completePdf(pdf.peek(pdf.size()))) {
                printed = file;
                bytes = pdf.readAll();
            }
        }
        if (!printed.isEmpty())
            break;
        QTest::qWait(250);
    }
    QVERIFY2(!printed.isEmpty(),
             qPrintable("no printed PDF appeared within 60 s in " + folders.join(", ")));
    QFile::remove(printed);
    QCOMPARE(pdfPageCount(bytes), 1);
}

QTEST_MAIN(TestCertificatePrint)
#include "tst_certificateprint.moc"
