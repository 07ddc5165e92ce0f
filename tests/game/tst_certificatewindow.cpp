#include "game/certificatewindow.h"
#include "game/playername.h"
#include "modalwatch.h"
#include "testprogram.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QMenuBar>
#include <QGlyphRun>
#include <QTextLayout>
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
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    // The game asks again for a name that would leave the line blank, and
    // says so for one longer than the line shows.
    void playerNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict"); // "blank", "too long" or "" (given)
        QTest::newRow("nothing") << "" << "blank";
        QTest::newRow("spaces of every kind") << QStringLiteral(" \t\n\u00A0\u3000 ") << "blank";
        QTest::newRow("zero-width characters, direction marks and a tag")
            << QStringLiteral("\u200B\u200C\u200D\uFEFF\u200E\u200F\U000E0041") << "blank";
        QTest::newRow("letter among spaces") << QStringLiteral("\u00A0\u200BA\u3000") << "";
        QTest::newRow("40 characters, 80 code units") << QStringLiteral("\U0001D400").repeated(40) << "";
        QTest::newRow("41 characters") << QString(41, u'a') << "too long";
    }

    void playerNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QCOMPARE(PlayerName::isBlank(typed), verdict == "blank");
        QCOMPARE(!PlayerName::lengthProblem(typed).isEmpty(), verdict == "too long");
    }

    // The certificate is filled in, and closed from its menu. Every character
    // of a name in any script the installed fonts cover is drawn with a real
    // glyph, and a long name fits its line rather than being cut in the
    // middle of a letter.
    void nameShownWhole_data()
    {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("setName");
        QTest::addColumn<QString>("subject");
        QTest::newRow("Latin with Arabic, spaces kept") << QStringLiteral(" jo o'neil \u0645\u0631\u064A\u0645 \u0623\u062D\u0645\u062F 42 ")
                                                        << "Sport Quiz.dat" << "SPORT QUIZ";
        QTest::newRow("Greek") << QStringLiteral("\u0395\u03BB\u03AD\u03BD\u03B7 \u03A0\u03B1\u03C0\u03AC")
                               << "Mixed Bag.dat" << "MIXED BAG";
        QTest::newRow("Cyrillic") << QStringLiteral("\u041C\u0430\u0440\u0438\u044F \u0418\u0432\u0430\u043D\u043E\u0432\u0430")
                                  << "quiz.dat" << "QUIZ";
        QTest::newRow("40 wide letters, unnamed set") << QStringLiteral("W").repeated(PlayerName::MAX_LENGTH)
                                                      << ".dat" << "";
    }

    void nameShownWhole()
    {
        QFETCH(QString, player);
        QFETCH(QString, setName);
        QFETCH(QString, subject);
        TestProgram program;
        CertificateWindow form({player, "£32000", 2, setName}, program.services);
        QCOMPARE(textOf(&form, "lbl_subject"), subject);
        QCOMPARE(textOf(&form, "lbl_money"), QString("£32000"));
        QCOMPARE(textOf(&form, "lbl_life"), QString("[ 2 LIFELINES USED ]"));
        auto *name = form.findChild<QLabel *>("lbl_name");
        QCOMPARE(name->text(), player.toUpper());
        QTextLayout layout(name->text(), name->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        qsizetype glyphs = 0;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            QVERIFY(!run.glyphIndexes().contains(0));
            glyphs += run.glyphIndexes().size();
        }
        QCOMPARE(glyphs, player.size()); // none left out
        QVERIFY(layout.lineAt(0).naturalTextWidth() <= name->contentsRect().width());

        ModalWatch watch([&](QWidget *modal) {
            QCOMPARE(modal, &form);
            clickMenu(modal, "close");
        });
        form.exec();
        QVERIFY(watch.ran() && !form.isVisible());
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
        // Never written through: a link is no plain file.
        QTest::newRow("no printer, a link by that name")
            << "none" << true << "link.pdf" << ""
            << "The certificate could not be saved as %1.\n\nCould not write \"link.pdf\": it is a link, "
               "not a plain file";
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
        if (answer == "link.pdf") // to nowhere yet, so no file list shows it
            QVERIFY(QFile::link(program.dir() + "/elsewhere.pdf", out.filePath(answer)));
        CertificateWindow form({}, program.services);
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
