#include "app/mainwindow.h"
#include "managerhelpers.h"
#include "manage/questionmanager.h"
#include "modalwatch.h"
#include "testprogram.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The main window and the question manager together: what the manager
// changes shows on the main window, and adding keeps working after deletions.
class TestMainWindowManage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void detailsAndDeletionShowAfterBack();
    void wrongPasswordKeepsManagerClosed();
};

void TestMainWindowManage::detailsAndDeletionShowAfterBack()
{
    TestProgram program;
    const QString path = program.writeSet(
        QStringLiteral("set.dat"),
        {makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "TWO?"), makeQuestion(2, 3, "THREE?"),
         makeQuestion(3, 4, "FOUR?")});
    program.state.set_name = QStringLiteral("set.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    QCOMPARE(program.state.record_count, 4);

    program.dialogs.answerText(QStringLiteral("pw"));
    ModalWatch watch([&](QWidget *modal) {
        auto *manager = qobject_cast<QuestionManager *>(modal);
        QVERIFY(manager);
        manager->txt_name->setText(QStringLiteral("Bea"));
        manager->txt_message->setText(QStringLiteral("New message"));
        manager->cmd_ok->click();
        ManagerHelpers::pickRow(manager, 1); // THREE?
        manager->cmd_delete->click();
        manager->cmd_back->click();
    });
    form->cmd_view->click();
    QVERIFY(watch.ran());

    QCOMPARE(form->lbl_name->text(), QStringLiteral("Bea"));
    QCOMPARE(form->lbl_m->text(), QStringLiteral("Message from Bea"));
    QCOMPARE(form->lbl_message->text(), QStringLiteral("New message"));
    QCOMPARE(form->t[1]->text(), QStringLiteral("0"));
    QCOMPARE(form->lbl_total->text(), QStringLiteral("2"));
    QCOMPARE(program.state.record_count, 3);

    // The next question goes straight after the last record, with a number
    // no other question carries.
    form->txt_q->setText(QStringLiteral("added"));
    for (QLineEdit *box : {form->txt_a1, form->txt_a2, form->txt_a3, form->txt_a4})
        box->setText(QStringLiteral("x"));
    form->opt_c->setChecked(true);
    form->cmb_round->setCurrentIndex(4);
    form->txt_pass->setText(QStringLiteral("pw"));
    form->cmd_add->click();
    const QList<QuestionRecord> records = ManagerHelpers::readRecords(path);
    QCOMPARE(program.readFile(path).size(), 4 * QuestionRecord::LENGTH);
    QCOMPARE(records.size(), 4);
    QCOMPARE(records[3].question, QStringLiteral("ADDED"));
    QCOMPARE(records[3].number, qint16(5)); // 4 still belongs to FOUR?
    QCOMPARE(records[3].round, qint16(5));
    QCOMPARE(form->t[4]->text(), QStringLiteral("1"));
}

void TestMainWindowManage::wrongPasswordKeepsManagerClosed()
{
    TestProgram program;
    program.writeSet(QStringLiteral("set.dat"), {makeHeader("Hi", "Ann", "pw")});
    program.state.set_name = QStringLiteral("set.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    form->txt_q->setText(QStringLiteral("kept?"));
    program.dialogs.answerText(QStringLiteral("p w"));
    ModalWatch watch([](QWidget *modal) { modal->close(); });
    form->cmd_view->click();
    QVERIFY(!watch.ran());
    QCOMPARE(program.dialogs.log(),
             QStringList({"Type In Password|Password", "Password Incorrect|Password"}));
    // Refused at the gate, nothing closed over the main window: no refresh.
    QCOMPARE(form->txt_q->text(), QStringLiteral("kept?"));
}

QTEST_MAIN(TestMainWindowManage)
#include "tst_mainwindowmanage.moc"
