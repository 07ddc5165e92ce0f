#include "game/certificatewindow.h"
#include "modalwatch.h"
#include "testprogram.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

QString textOf(QWidget *form, const char *name)
{
    return form->findChild<QLabel *>(name)->text();
}

void clickMenu(QWidget *form, const char *name)
{
    auto *menu = form->findChild<QMenuBar *>("menu");
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->findChild<QAction *>(name)).center());
}

} // namespace

class TestCertificateWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }

    void filledInAndClosedFromTheMenu_data()
    {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("setName");
        QTest::addColumn<int>("used");
        QTest::addColumn<QString>("shown"); // name, subject
        QTest::newRow("none used") << "ann smith" << "Sport Quiz.dat" << 0
                                   << "ANN SMITH, SPORT QUIZ";
        QTest::newRow("one used") << "Bo" << "history.dat" << 1 << "BO, HISTORY";
        QTest::newRow("spaces kept") << " jo o'neil " << "Mixed Bag.dat" << 3
                                     << " JO O'NEIL , MIXED BAG";
        QTest::newRow("unnamed set") << "Ann" << ".dat" << 2 << "ANN, ";
    }

    void filledInAndClosedFromTheMenu()
    {
        QFETCH(QString, player);
        QFETCH(QString, setName);
        QFETCH(int, used);
        QFETCH(QString, shown);

        TestProgram program;
        program.state.player_name = player;
        program.state.set_name = setName;
        program.state.winnings = "£32000";
        program.state.lifelines_used = qint16(used);
        CertificateWindow form(program.state, program.services);
        QCOMPARE(textOf(&form, "lbl_name") + ", " + textOf(&form, "lbl_subject"), shown);
        QCOMPARE(textOf(&form, "lbl_money"), QString("£32000"));
        QCOMPARE(textOf(&form, "lbl_life"), QString("[ %1 LIFELINES USED ]").arg(used));

        ModalWatch watch([&](QWidget *modal) {
            QCOMPARE(modal, &form);
            clickMenu(modal, "close");
        });
        form.exec();
        QVERIFY(watch.ran());
        QVERIFY(!form.isVisible());
    }

    void print_data()
    {
        QTest::addColumn<QString>("printer"); // "ready", "zoomed" (ready), "refusing" or "none"
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("answer"); // in a temporary folder; "" cancels
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("error");
        QTest::newRow("printed") << "ready" << false << "" << "" << "";
        QTest::newRow("printed from a zoomed window") << "zoomed" << false << "" << "" << "";
        QTest::newRow("refused") << "refusing" << false << "" << ""
                                 << "The certificate could not be sent to the printer.";
        QTest::newRow("no printer, No") << "none" << false << "" << "" << "";
        QTest::newRow("no printer, Yes, cancel") << "none" << true << "" << "" << "";
        QTest::newRow("no printer, save") << "none" << true << "ann.pdf" << "ann.pdf" << "";
        QTest::newRow("no printer, no suffix") << "none" << true << "ann" << "ann.pdf" << "";
        // The system's reason follows the path (%1).
        QTest::newRow("no printer, folder missing")
            << "none" << true << "gone/ann.pdf" << ""
            << "The certificate could not be saved as %1.\n\nCould not create a new copy of "
               "\"ann.pdf\": No such file or directory";
    }

    void print()
    {
        QFETCH(QString, printer);
        QFETCH(bool, yes);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QString, error);

        TestProgram program;
        QTemporaryDir out;
        RecordingPrinter &recorder = program.printer;
        recorder.printerPresent = printer != "none";
        recorder.refuseJobs = printer == "refusing";
        if (printer == "none")
            yes ? program.dialogs.answerYes() : program.dialogs.answerNo();
        if (!answer.isEmpty())
            recorder.pdfPaths.enqueue(out.filePath(answer));
        CertificateWindow form(program.state, program.services);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage asDrawn = form.clientArea()->grab().toImage();
        if (printer == "zoomed")
            Zoom::of(&form)->zoomTo(2.0);
        clickMenu(&form, "print");

        QStringList log;
        if (printer == "none")
            log << "There is no printer set up on this computer, so the certificate cannot be "
                   "printed.\n\nSave it as a PDF file instead?|Print";
        if (!error.isEmpty())
            log << (yes ? error.arg(QDir::toNativeSeparators(out.filePath(answer))) : error) + "|Print";
        QCOMPARE(program.dialogs.log(), log);
        QVERIFY(form.isVisible());
        // The printer gets exactly the certificate as drawn unzoomed, without
        // the menu, and the window stays as zoomed as it was.
        QCOMPARE(recorder.jobs.size(), printer == "ready" || printer == "zoomed" ? 1 : 0);
        for (const RecordingPrinter::Job &job : recorder.jobs) {
            QCOMPARE(job.title, QString("Quorvane Certificate"));
            QCOMPARE(job.picture, asDrawn);
        }
        QCOMPARE(form.clientArea()->width(), asDrawn.width() * (printer == "zoomed" ? 2 : 1));
        QCOMPARE(recorder.suggestions.size(), yes ? 1 : 0);
        if (yes)
            QVERIFY(recorder.suggestions.first().endsWith("/Quorvane Certificate.pdf"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files),
                 written.isEmpty() ? QStringList{} : QStringList{written});
        if (!written.isEmpty())
            QCOMPARE(pdfPageCount(program.readFile(out.filePath(written))), 1);
    }
};

QTEST_MAIN(TestCertificateWindow)
#include "tst_certificatewindow.moc"
