#include "app/mainwindow.h"
#include "app/navigator.h"
#include "game/gamescreen.h"
#include "game/certificatewindow.h"
#include "gamedriver.h"
#include "managerhelpers.h"
#include "manage/questionmanager.h"
#include "modalwatch.h"
#include "testprogram.h"
#include "ui/qtdialogservice.h"
#include "ui/wrappedlabel.h"

#include <QLabel>
#include <QMessageBox>
#include <QtTest>

namespace {

const QString kQuestion = QStringLiteral("WHAT DOES <B> MEAN IN <I>HTML</I>?");
const QString kAnswer = QStringLiteral("<BR>BOLD");
const QString kPlayer = QStringLiteral("<i>Zed</i>");

// Every label whose text Qt could take for markup shows it as plain text, and
// each wanted text stands on some label exactly as stored.
void expectPlainLabels(const QWidget *window, const QStringList &wanted)
{
    QStringList shown;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (Qt::mightBeRichText(label->text()))
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        shown << label->text();
    }
    for (const QString &text : wanted)
        QVERIFY2(shown.contains(text), qPrintable(text));
}

} // namespace

// Sets are swapped between people, so a text from a set file or from typing
// that looks like markup shows exactly as it stands, on every screen.
class TestTextDisplay : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void markupShowsAsStored()
    {
        // The main window: creator and message from the set's header.
        TestProgram program;
        program.writeSet(QStringLiteral("q.dat"), {makeHeader(kAnswer, kPlayer, "")});
        program.state.set.name = QStringLiteral("q.dat");
        QWidget *main = Navigator::openMainWindow(program.state, program.services);
        expectPlainLabels(main, {kPlayer, kAnswer, QStringLiteral("Message from ") + kPlayer});
        main->close();

        // The manager's list rows.
        QuestionRecord question = makeQuestion(1, 2, kQuestion);
        question.answer_a = kAnswer;
        QWidget *manager = ManagerHelpers::openManager(program, {makeHeader("", "", ""), question});
        QCOMPARE(ManagerHelpers::column(manager, 1).value(0).trimmed(), kQuestion);
        expectPlainLabels(manager, {});
        manager->close();

        // The game screen's question and answers, and the certificate's name.
        GameDriver game;
        QList<QuestionRecord> rounds{makeHeader("Hi", "Ann", "")};
        for (int round = 1; round <= 15; ++round) {
            question.round = qint16(round);
            question.number = qint16(round + 1);
            rounds << question;
        }
        game.program.writeSet(game.program.state.set.name, rounds);
        game.start(kPlayer);
        expectPlainLabels(game.form.get(), {kQuestion, kAnswer});
        CertificateWindow certificate({kPlayer, "£100", 0, game.program.state.set.name},
                                      game.program.services);
        expectPlainLabels(&certificate, {kPlayer.toUpper()});

        // Message boxes quote names and texts as they stand.
        QtDialogService dialogs;
        QString boxText;
        Qt::TextFormat boxFormat = Qt::AutoText;
        ModalWatch watch([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                boxText = box->text();
                boxFormat = box->textFormat();
            }
            modal->close();
        });
        dialogs.message(nullptr, kPlayer, QStringLiteral("Player"));
        QVERIFY(watch.ran());
        QCOMPARE(boxText, kPlayer);
        QCOMPARE(boxFormat, Qt::PlainText);
    }

    // A wrapped label remembers its height for a width only while its text,
    // font and margins stay as they were: it answers as a plain label does.
    void wrappedLabelFollowsItsLooks_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *row : {"text", "font", "margin", "indent", "contents margins"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void wrappedLabelFollowsItsLooks()
    {
        QFETCH(QString, change);
        const QString text = QStringLiteral("A NOTE THAT WRAPS ").repeated(12);
        WrappedLabel wrapped(text);
        QLabel plain(text);
        plain.setWordWrap(true);
        const int before = plain.heightForWidth(200);
        QCOMPARE(wrapped.heightForWidth(200), before);
        for (QLabel *label : {static_cast<QLabel *>(&wrapped), &plain}) {
            if (change == "text")
                label->setText(text + text);
            else if (change == "font")
                label->setFont(QFont(label->font().family(), 30));
            else if (change == "margin")
                label->setMargin(30);
            else if (change == "indent")
                label->setIndent(80);
            else
                label->setContentsMargins(0, 40, 90, 0);
        }
        QVERIFY(plain.heightForWidth(200) != before);
        QCOMPARE(wrapped.heightForWidth(200), plain.heightForWidth(200));
    }
};

QTEST_MAIN(TestTextDisplay)
#include "tst_textdisplay.moc"
