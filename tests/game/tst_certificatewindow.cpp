#include "game/gamescreen.h"
#include "game/certificatewindow.h"
#include "game/shapebox.h"
#include "gamedriver.h"
#include "modalwatch.h"
#include "ui/artwork.h"
#include "ui/geometry.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

struct Certificate
{
    Certificate(const QString &player, const QString &setName, const QString &winnings,
                qint16 used)
    {
        program.state.player_name = player;
        program.state.set_name = setName;
        program.state.winnings = winnings;
        program.state.lifelines_used = used;
        program.services.printer = &printer;
        form = std::make_unique<CertificateWindow>(program.state, program.services);
    }

    void clickMenu(QAction *action)
    {
        QTest::mouseClick(form->menu, Qt::LeftButton, {},
                          form->menu->actionGeometry(action).center());
    }

    TestProgram program;
    RecordingPrinter printer;
    std::unique_ptr<CertificateWindow> form;
};

bool isVisibleTopLevel(const char *className)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits(className) && w->isVisible())
            return true;
    }
    return false;
}

} // namespace

class TestCertificateWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void filledInAtLoad_data();
    void filledInAtLoad();
    void layoutAndFonts_data();
    void layoutAndFonts();
    void textsFitTheirLabels();
    void closeReturnsToTheMainWindow();
    void printSendsTheClientAreaEachTime();
    void refusedJobIsReported();
    void withoutAPrinterOffersAPdf_data();
    void withoutAPrinterOffersAPdf();
};

void TestCertificateWindow::filledInAtLoad_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("winnings");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("life");

    QTest::newRow("ann smith, Sport Quiz, none used")
        << "ann smith" << "Sport Quiz.dat" << "£32000" << 0 << "ANN SMITH" << "SPORT QUIZ"
        << "[ 0 LIFELINES USED ]";
    QTest::newRow("one used, same plural") << "Bo" << "history.dat" << "£100" << 1 << "BO"
                                           << "HISTORY" << "[ 1 LIFELINES USED ]";
    QTest::newRow("all used, spaces kept")
        << " jo o'neil " << "Mixed Bag.dat" << "£1000000" << 3 << " JO O'NEIL " << "MIXED BAG"
        << "[ 3 LIFELINES USED ]";
    QTest::newRow("unnamed set") << "Ann" << ".dat" << "£300" << 2 << "ANN" << ""
                                 << "[ 2 LIFELINES USED ]";
}

void TestCertificateWindow::filledInAtLoad()
{
    QFETCH(QString, player);
    QFETCH(QString, setName);
    QFETCH(QString, winnings);
    QFETCH(int, used);
    QFETCH(QString, name);
    QFETCH(QString, subject);
    QFETCH(QString, life);

    Certificate c(player, setName, winnings, qint16(used));
    QCOMPARE(c.form->lbl_name->text(), name);
    QCOMPARE(c.form->lbl_money->text(), winnings);
    QCOMPARE(c.form->lbl_subject->text(), subject);
    QCOMPARE(c.form->lbl_life->text(), life);
    QCOMPARE(c.form->windowTitle(), QString("Winner Certificate"));
}

void TestCertificateWindow::layoutAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style"); // sans, serif or sans small

    QTest::newRow("Label1") << "Label1" << QRect(3000, 240, 6615, 255) << "This is to certify that"
                            << "sans";
    QTest::newRow("lbl_name") << "lbl_name" << QRect(3000, 600, 4815, 255) << "ANN" << "serif";
    QTest::newRow("Label3") << "Label3" << QRect(3000, 960, 6615, 255) << "won" << "sans";
    QTest::newRow("lbl_money") << "lbl_money" << QRect(3000, 1320, 1455, 255) << "£500"
                               << "serif";
    QTest::newRow("lbl_life") << "lbl_life" << QRect(4680, 1320, 2415, 255)
                              << "[ 1 LIFELINES USED ]" << "serif";
    QTest::newRow("Label6") << "Label6" << QRect(240, 1680, 6615, 255)
                            << "by answering questions about the following subject:" << "sans";
    QTest::newRow("lbl_subject") << "lbl_subject" << QRect(240, 2040, 7575, 255) << "QUIZ"
                                 << "serif";
    QTest::newRow("Label7") << "Label7" << QRect(240, 2520, 7575, 255) << "QUORVANE"
                            << "sans small";
    QTest::newRow("Label8") << "Label8" << QRect(240, 2760, 7575, 255)
                            << "Download it at www.quorvane.example" << "sans small";
    QTest::newRow("Label9")
        << "Label9" << QRect(240, 3000, 7575, 255)
        << "Create questions and send them round the world for your friends to try."
        << "sans small";
    QTest::newRow("Shape1") << "Shape1" << QRect(120, 120, 7815, 3255) << "" << "";
    QTest::newRow("Image1") << "Image1" << QRect(240, 240, 2625, 1365) << "" << "";
}

void TestCertificateWindow::layoutAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, style);

    Certificate c("Ann", "quiz.dat", "£500", 1);
    QWidget *client = c.form->clientArea();
    QCOMPARE(client->size(), Twips::size(8040, 3495));
    // The menu bar sits above the certificate, not over it.
    QCOMPARE(client->y(), c.form->menu->geometry().bottom() + 1);
    QCOMPARE(c.form->height(), client->y() + client->height());
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(c.form->close->text(), QString("&Close"));
    QCOMPARE(c.form->print->text(), QString("&Print"));
    QCOMPARE(c.form->menu->actions(), (QList<QAction *>{c.form->close, c.form->print}));

    auto *widget = client->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), client);
    QCOMPARE(widget->geometry(), Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (style.isEmpty())
        return;
    auto *label = qobject_cast<QLabel *>(widget);
    QCOMPARE(label->text(), text);
    const QFont font = label->font();
    QVERIFY(font.bold());
    QCOMPARE(font.italic(), style == "serif");
    QCOMPARE(font.pointSizeF(), style == "sans small" ? 8.25 : 11.25);
    QCOMPARE(font.styleHint(), style == "serif" ? QFont::Serif : QFont::SansSerif);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), style == "sans small");
}

void TestCertificateWindow::textsFitTheirLabels()
{
    // The longest values the certificate can show, with the shipped fonts.
    Certificate c("ann smith", "Sport Quiz.dat", "£1000000", 3);
    const QList<QLabel *> labels = c.form->clientArea()->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 11);
    for (QLabel *label : labels) {
        if (label == c.form->Image1) {
            QCOMPARE(label->pixmap().size(), QSize(Artwork::LOGO_WIDTH, Artwork::LOGO_HEIGHT));
            QCOMPARE(label->size(), QSize(Artwork::LOGO_WIDTH, Artwork::LOGO_HEIGHT));
            continue;
        }
        const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(advance <= label->width(), qPrintable(label->objectName()));
        // Nothing reaches past the certificate's frame.
        QVERIFY2(label->x() + advance <= c.form->Shape1->geometry().right(),
                 qPrintable(label->objectName()));
    }
    if (QFontInfo(c.form->Label1->font()).family() != "Liberation Sans")
        QSKIP("fonts-liberation2 is not installed; the fallback fonts were measured");
    QCOMPARE(QFontInfo(c.form->lbl_name->font()).family(), QString("Liberation Serif"));
}

void TestCertificateWindow::closeReturnsToTheMainWindow()
{
    GameDriver game(QString(), "Sport Quiz.dat");
    QWidget main;
    main.setObjectName("main");
    main.show();

    // Play to £200, walk away, and close the certificate from its menu.
    QString certificateName;
    bool gameOpenUnderCertificate = false;
    game.program.dialogs.answerText("ann smith");
    game.random.pushPick(1, 1);
    ModalWatch gameScreen([&](QWidget *modal) {
        auto *form3 = qobject_cast<GameScreen *>(modal);
        QVERIFY(form3);
        for (int i = 0; i < 2; ++i) {
            game.program.dialogs.answerYes();
            game.random.pushPick(1, 1);
            QTest::mouseClick(form3->findChild<QLabel *>("lbl_" + form3->game().right_letter),
                              Qt::LeftButton);
        }
        auto certificate = std::make_shared<ModalWatch>([&](QWidget *shown) {
            auto *form5 = qobject_cast<CertificateWindow *>(shown);
            QVERIFY(form5);
            certificateName = form5->lbl_name->text() + " / " + form5->lbl_subject->text();
            gameOpenUnderCertificate = form3->isVisible() && form5->parentWidget() == form3;
            QTest::mouseClick(form5->menu, Qt::LeftButton, {},
                              form5->menu->actionGeometry(form5->close).center());
        });
        game.program.dialogs.answerYes();
        QTest::mouseClick(form3->Command1, Qt::LeftButton);
        QVERIFY(certificate->ran());
    });
    GameScreen::play(&main, game.program.state, game.program.services);

    QVERIFY(gameScreen.ran());
    QCOMPARE(certificateName, QString("ANN SMITH / SPORT QUIZ"));
    QVERIFY(gameOpenUnderCertificate);
    QVERIFY(main.findChildren<GameScreen *>().isEmpty());
    QVERIFY(!isVisibleTopLevel("Form5"));
    QVERIFY(main.isVisible());
    QCOMPARE(game.program.state.winnings, QString("£200"));
    QCOMPARE(game.program.dialogs.log().last(), QString("Click Here To Continue|Leave"));
}

void TestCertificateWindow::printSendsTheClientAreaEachTime()
{
    Certificate c("ann smith", "Sport Quiz.dat", "£32000", 2);
    c.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.form.get()));
    c.clickMenu(c.form->print);
    c.clickMenu(c.form->print);

    QCOMPARE(c.printer.jobs.size(), 2);
    QVERIFY(c.form->isVisible());
    QVERIFY(c.program.dialogs.shown.isEmpty());
    const QImage drawn = c.form->clientArea()->grab().toImage();
    for (const RecordingPrinter::Job &job : c.printer.jobs) {
        QCOMPARE(job.title, CertificateWindow::documentTitle());
        // Exactly the certificate as drawn, without the menu bar.
        QCOMPARE(job.picture, drawn);
        QCOMPARE(pdfPageCount(job.pdf), 1);
    }
}

void TestCertificateWindow::refusedJobIsReported()
{
    Certificate c("Ann", "quiz.dat", "£100", 0);
    c.printer.refuseJobs = true;
    c.form->show();
    c.form->print->trigger();
    QVERIFY(c.form->isVisible());
    QCOMPARE(c.program.dialogs.log(),
             QStringList{"The certificate could not be sent to the printer.|Print"});
    QVERIFY(c.printer.jobs.isEmpty());
}

void TestCertificateWindow::withoutAPrinterOffersAPdf_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("answer"); // relative to a temporary folder; "" cancels
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("failure");

    QTest::newRow("No") << false << "" << "" << false;
    QTest::newRow("Yes, then cancel") << true << "" << "" << false;
    QTest::newRow("Yes, save") << true << "ann.pdf" << "ann.pdf" << false;
    QTest::newRow("Yes, no suffix typed") << true << "ann" << "ann.pdf" << false;
    QTest::newRow("Yes, folder missing") << true << "gone/ann.pdf" << "" << true;
}

void TestCertificateWindow::withoutAPrinterOffersAPdf()
{
    QFETCH(bool, yes);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(bool, failure);

    QTemporaryDir out;
    Certificate c("Ann", "quiz.dat", "£100", 0);
    c.printer.printerPresent = false;
    c.form->show();
    yes ? c.program.dialogs.answerYes() : c.program.dialogs.answerNo();
    if (!answer.isEmpty())
        c.printer.pdfPaths.enqueue(out.filePath(answer));
    if (failure)
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    c.form->print->trigger();

    const QString offer = "There is no printer set up on this computer, so the certificate "
                          "cannot be printed.\n\nSave it as a PDF file instead?|Print";
    QStringList expected{offer};
    if (failure)
        expected << "The certificate could not be saved as " +
                        QDir::toNativeSeparators(out.filePath(answer)) + ".|Print";
    QCOMPARE(c.program.dialogs.log(), expected);
    QCOMPARE(c.printer.suggestions.size(), yes ? 1 : 0);
    if (yes)
        QVERIFY(c.printer.suggestions.first().endsWith("/Quorvane Certificate.pdf"));
    QVERIFY(c.printer.jobs.isEmpty());
    QStringList files = QDir(out.path()).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList{} : QStringList{written});
    if (!written.isEmpty()) {
        const QByteArray pdf = c.program.readFile(out.filePath(written));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(pdf), 1);
    }
    QVERIFY(c.form->isVisible());
}

QTEST_MAIN(TestCertificateWindow)
#include "tst_certificatewindow.moc"
