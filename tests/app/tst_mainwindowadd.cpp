#include "app/mainwindow.h"
#include "filesizelimit.h"
#include "testprogram.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString kAdded = QStringLiteral("Question Added|Added");

// What the user has typed into the add frame.
struct Typed
{
    QString question;
    QStringList answers;
    int option; // -1 none, 0 to 3 for A to D
    int round;  // list position, -1 none
    QString roundText;
    QString password;

    friend bool operator==(const Typed &, const Typed &) = default;
};

Typed complete(const QString &password = QStringLiteral("pw"))
{
    return {QStringLiteral("What is it?"), {"one", "two", "three", "four"}, 1, 4, {}, password};
}

void type(MainWindow *form, const Typed &typed)
{
    form->txt_q->setText(typed.question);
    const QList<QLineEdit *> boxes = {form->txt_a1, form->txt_a2, form->txt_a3, form->txt_a4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(typed.answers.value(i));
    const QList<QRadioButton *> options = {form->opt_a, form->opt_b, form->opt_c, form->opt_d};
    if (typed.option >= 0)
        options[typed.option]->click();
    if (typed.round >= 0)
        form->cmb_round->setCurrentIndex(typed.round);
    if (!typed.roundText.isNull())
        form->cmb_round->setEditText(typed.roundText);
    form->txt_pass->setText(typed.password);
}

Typed read(const MainWindow *form)
{
    const QList<QRadioButton *> options = {form->opt_a, form->opt_b, form->opt_c, form->opt_d};
    int option = -1;
    for (int i = 0; i < 4; ++i) {
        if (options[i]->isChecked())
            option = i;
    }
    return {form->txt_q->text(),
            {form->txt_a1->text(), form->txt_a2->text(), form->txt_a3->text(),
             form->txt_a4->text()},
            option,
            form->cmb_round->currentIndex(),
            form->cmb_round->currentText(),
            form->txt_pass->text()};
}

} // namespace

Q_DECLARE_METATYPE(Typed)

class TestMainWindowAdd : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void checksRefuseAndKeepFields_data();
    void checksRefuseAndKeepFields();
    void passwordAccepted_data();
    void passwordAccepted();
    void recordWritten_data();
    void recordWritten();
    void numbersStayUnique_data();
    void numbersStayUnique();
    void fullSetRefuses_data();
    void fullSetRefuses();
    void writeFailureIsNotSuccess();

private:
    struct Opened
    {
        TestProgram program;
        MainWindow *form = nullptr;
        QString path;
    };
    static void open(Opened &o, const QList<QuestionRecord> &records);
};

void TestMainWindowAdd::open(Opened &o, const QList<QuestionRecord> &records)
{
    o.path = o.program.writeSet(QStringLiteral("q.dat"), records);
    o.program.state.set_name = QStringLiteral("q.dat");
    o.form = MainWindow::showNew(o.program.state, o.program.services);
    o.program.dialogs.clear();
}

void TestMainWindowAdd::checksRefuseAndKeepFields_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("shown");

    const QString password = QStringLiteral("Password Incorrect|Password");
    const QString fields = QStringLiteral("Fill In All Fields|Fields");
    const QString answer = QStringLiteral("Choose Correct Answer Box|Answer");

    Typed t = complete(QStringLiteral("PW"));
    QTest::newRow("case differs") << "pw" << t << password;
    t = complete(QStringLiteral(""));
    t.question.clear();
    t.option = -1;
    QTest::newRow("wrong password hides empty fields") << "pw" << t << password;
    QTest::newRow("password given, none stored") << "" << complete(QStringLiteral("pw"))
                                                 << password;
    t = complete();
    t.question.clear();
    QTest::newRow("empty question") << "pw" << t << fields;
    t = complete();
    t.answers[2].clear();
    QTest::newRow("empty answer C") << "pw" << t << fields;
    t = complete();
    t.round = -1;
    QTest::newRow("no round") << "pw" << t << fields;
    t = complete();
    t.round = -1;
    t.roundText = QStringLiteral("1000");
    QTest::newRow("round typed, not an entry") << "pw" << t << fields;
    t = complete();
    t.roundText = QStringLiteral("£1000x");
    QTest::newRow("picked round typed over") << "pw" << t << fields;
    t = complete();
    t.question.clear();
    t.option = -1;
    QTest::newRow("empty field before no answer") << "pw" << t << fields;
    t = complete();
    t.option = -1;
    QTest::newRow("no right answer") << "pw" << t << answer;
}

void TestMainWindowAdd::checksRefuseAndKeepFields()
{
    QFETCH(QString, stored);
    QFETCH(Typed, typed);
    QFETCH(QString, shown);

    Opened o;
    open(o, {makeHeader("m", "c", stored), makeQuestion(5, 2, "Q")});
    type(o.form, typed);
    const Typed before = read(o.form);
    const QByteArray bytes = o.program.readFile(o.path);

    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.log(), QStringList{shown});
    QCOMPARE(read(o.form), before);
    QCOMPARE(o.program.readFile(o.path), bytes);
    QCOMPARE(o.program.state.record_count, 2);
    QCOMPARE(o.form->t[4]->text(), QStringLiteral("1"));
}

void TestMainWindowAdd::passwordAccepted_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("secondHeader"); // a second header's password, if any
    QTest::newRow("exact") << "Se7en" << "Se7en" << QString();
    QTest::newRow("spaces around") << "Se7en" << "  Se7en " << QString();
    QTest::newRow("empty stored, empty typed") << "" << "" << QString();
    QTest::newRow("empty stored, spaces typed") << "" << "    " << QString();
    QTest::newRow("second header matches") << "other" << "pw" << "pw";
}

void TestMainWindowAdd::passwordAccepted()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, secondHeader);

    Opened o;
    QList<QuestionRecord> records{makeHeader("m", "c", stored)};
    if (!secondHeader.isNull())
        records << makeHeader("m", "c", secondHeader);
    open(o, records);
    type(o.form, complete(typed));
    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.log(), QStringList{kAdded});
}

void TestMainWindowAdd::recordWritten_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<int>("round");
    QTest::addColumn<char>("right");

    QTest::newRow("lower case with spaces around, £1000")
        << Typed{"  what is the capital of france?  ", {"paris", " lyon ", "nice", "brest"}, 0,
                 4, {}, " pw "}
        << QByteArray("WHAT IS THE CAPITAL OF FRANCE?")
        << QList<QByteArray>{"PARIS", "LYON", "NICE", "BREST"} << 5 << 'a';
    QTest::newRow("answer of spaces, £1000000")
        << Typed{"q", {"   ", "b", "c", "d"}, 3, 14, {}, "pw"} << QByteArray("Q")
        << QList<QByteArray>{"", "B", "C", "D"} << 15 << 'd';
    QTest::newRow("first round, answer C")
        << Typed{"x", {"a", "b", "c", "d"}, 2, 0, {}, "pw"} << QByteArray("X")
        << QList<QByteArray>{"A", "B", "C", "D"} << 1 << 'c';
    QTest::newRow("capitals the code page has, and one it lacks")
        << Typed{QStringLiteral("caf\u00E9 stra\u00DFe \u00B5m"), {"\u00FF", "b", "c", "d"}, 1,
                 7, {}, "pw"}
        << QByteArray("CAF\xC9 STRA\xDF" "E \xB5M") << QList<QByteArray>{"\x9F", "B", "C", "D"}
        << 8 << 'b';
    // Upper-casing goes letter by letter: "ß" has no one-letter capital, so a
    // full-length text never grows past its field and loses its end.
    QTest::newRow("a full field keeps its length")
        << Typed{QString(199, u'\u00DF') + "?", {QString(50, u'b'), "b", "c", "d"}, 1, 1, {}, "pw"}
        << QByteArray(199, '\xDF') + "?" << QList<QByteArray>{QByteArray(50, 'B'), "B", "C", "D"}
        << 2 << 'b';
}

void TestMainWindowAdd::recordWritten()
{
    QFETCH(Typed, typed);
    QFETCH(QByteArray, question);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(int, round);
    QFETCH(char, right);

    // Header and three questions: record_count 4, so the new one is number 5
    // written as record 5.
    Opened o;
    open(o, {makeHeader("m", "c", "pw"), makeQuestion(round, 2, "A"), makeQuestion(1, 3, "B"),
             makeQuestion(2, 4, "C")});
    const QString countBefore = o.form->t[round - 1]->text();
    const QString totalBefore = o.form->lbl_total->text();
    type(o.form, typed);
    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.log(), QStringList{kAdded});

    const QByteArray file = o.program.readFile(o.path);
    QCOMPARE(file.size(), 5 * 405);
    const QByteArray record = file.mid(4 * 405);
    QCOMPARE(record.mid(0, 4), QByteArray::fromHex(QByteArray::number(round, 16)
                                                      .rightJustified(2, '0')
                                                  + "000500"));
    QCOMPARE(record.mid(4, 200), question.leftJustified(200, ' '));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(record.mid(204 + 50 * i, 50), answers[i].leftJustified(50, ' '));
    QCOMPARE(record.at(404), right);
    QCOMPARE(o.program.state.record_count, 5);

    // Fields cleared, password kept, statistics follow.
    QCOMPARE(read(o.form), (Typed{"", {"", "", "", ""}, -1, -1, "Select Round", typed.password}));
    QCOMPARE(o.form->t[round - 1]->text().toInt(), countBefore.toInt() + 1);
    QCOMPARE(o.form->lbl_total->text().toInt(), totalBefore.toInt() + 1);

    // A second question follows without the password typed again.
    type(o.form, Typed{"again", {"a", "b", "c", "d"}, 0, 0, {}, typed.password});
    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.log(), QStringList({kAdded, kAdded}));
    QCOMPARE(QuestionRecord::numberOf(o.program.readFile(o.path).mid(5 * 405)), 6);
}

void TestMainWindowAdd::numbersStayUnique_data()
{
    QTest::addColumn<QList<QuestionRecord>>("records");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("number");

    const QuestionRecord h = makeHeader("m", "c", "pw");
    QTest::newRow("new set") << QList<QuestionRecord>{h} << 2 << 2;
    QTest::newRow("numbers follow records")
        << QList<QuestionRecord>{h, makeQuestion(1, 2, "A"), makeQuestion(1, 3, "B")} << 4 << 4;
    QTest::newRow("a deleted question's number is not reused")
        << QList<QuestionRecord>{h, makeQuestion(1, 2, "A"), makeQuestion(1, 4, "C")} << 4 << 5;
    QTest::newRow("header's 9999 ignored, header last")
        << QList<QuestionRecord>{makeQuestion(1, 7, "A"), h} << 3 << 8;
    QTest::newRow("highest below 9000 still fits")
        << QList<QuestionRecord>{h, makeQuestion(1, 8998, "A")} << 3 << 8999;
}

void TestMainWindowAdd::numbersStayUnique()
{
    QFETCH(QList<QuestionRecord>, records);
    QFETCH(int, record);
    QFETCH(int, number);

    Opened o;
    open(o, records);
    type(o.form, complete());
    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.log(), QStringList{kAdded});
    const QByteArray file = o.program.readFile(o.path);
    QCOMPARE(file.size(), record * 405);
    QCOMPARE(QuestionRecord::numberOf(file.mid((record - 1) * 405)), qint16(number));
    QCOMPARE(o.program.state.record_count, record);
}

void TestMainWindowAdd::fullSetRefuses_data()
{
    QTest::addColumn<QList<QuestionRecord>>("records");
    QTest::addColumn<int>("record_count");

    const QuestionRecord h = makeHeader("m", "c", "pw");
    QTest::newRow("number 8999 taken") << QList<QuestionRecord>{h, makeQuestion(1, 8999, "A")}
                                       << 0;
    QTest::newRow("foreign number 9500") << QList<QuestionRecord>{h, makeQuestion(1, 9500, "A")}
                                         << 0;
    QTest::newRow("record 9000 next") << QList<QuestionRecord>{h} << 8999;
    QTest::newRow("record limit") << QList<QuestionRecord>{h} << 32767;
}

void TestMainWindowAdd::fullSetRefuses()
{
    QFETCH(QList<QuestionRecord>, records);
    QFETCH(int, record_count);

    Opened o;
    o.program.state.record_count = record_count; // as the main window would hold it
    open(o, records);
    const int countBefore = o.program.state.record_count;
    const QByteArray bytes = o.program.readFile(o.path);
    type(o.form, complete());
    const Typed before = read(o.form);

    o.form->cmd_add->click();
    QCOMPARE(o.program.dialogs.shown.size(), 1);
    QCOMPARE(o.program.dialogs.shown[0].title, QStringLiteral("Add Question"));
    QVERIFY(o.program.dialogs.shown[0].text.contains(QStringLiteral("full")));
    QCOMPARE(o.program.readFile(o.path), bytes);
    QCOMPARE(o.program.state.record_count, countBefore);
    QCOMPARE(read(o.form), before);
}

void TestMainWindowAdd::writeFailureIsNotSuccess()
{
    Opened o;
    open(o, {makeHeader("m", "c", "pw")});
    type(o.form, complete());
    const Typed before = read(o.form);
    {
        FileSizeLimit limit(405);
        o.form->cmd_add->click();
    }
    QCOMPARE(o.program.dialogs.shown.size(), 1);
    QCOMPARE(o.program.dialogs.shown[0].title, QStringLiteral("Question Set"));
    QVERIFY(!o.program.dialogs.log().contains(kAdded));
    QCOMPARE(o.program.readFile(o.path).size(), 405);
    QCOMPARE(o.program.state.record_count, 1);
    QCOMPARE(read(o.form), before);
    QCOMPARE(o.form->lbl_total->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestMainWindowAdd)
#include "tst_mainwindowadd.moc"
