#include "managerhelpers.h"
#include "storage/questionset.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace ManagerHelpers;
using Change = QuestionSet::Change;

// The rules a question set keeps, one table each.
class TestQuestionSet : public QObject
{
    Q_OBJECT

private slots:
    void passwordMatches_data()
    {
        QTest::addColumn<QStringList>("records"); // a header's password each, "?" a question
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exact");      // as adding a question checks it
        QTest::addColumn<bool>("ignoreCase"); // as the manager's gate checks it

        QTest::newRow("exact") << QStringList{"Se7en", "?"} << "Se7en" << true << true;
        QTest::newRow("spaces around") << QStringList{"Se7en"} << "  Se7en " << true << true;
        QTest::newRow("other case") << QStringList{"Secret"} << "  sECRET  " << false << true;
        QTest::newRow("space inside") << QStringList{"Secret"} << "Sec ret" << false << false;
        QTest::newRow("nothing typed") << QStringList{"Secret"} << "" << false << false;
        QTest::newRow("stored with inner space") << QStringList{"ab cd"} << "AB CD" << false
                                                 << true;
        QTest::newRow("blank, nothing typed") << QStringList{""} << "" << true << true;
        QTest::newRow("blank, prompt cancelled") << QStringList{""} << QString() << true << true;
        QTest::newRow("blank, something typed") << QStringList{""} << "x" << false << false;
        QTest::newRow("second header matches") << QStringList{"other", "pw"} << "pw" << true
                                               << true;
        QTest::newRow("header after a question") << QStringList{"?", "pw"} << "PW" << false
                                                 << true;
        QTest::newRow("no header") << QStringList{"?"} << "" << false << false;
        QTest::newRow("no file") << QStringList() << "" << false << false;
    }

    void passwordMatches()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, typed);
        QFETCH(bool, exact);
        QFETCH(bool, ignoreCase);
        TestProgram program;
        QList<QuestionRecord> set;
        for (const QString &password : records)
            set << (password == "?" ? makeQuestion(1, 2, "WHO?") : makeHeader("m", "c", password));
        const QuestionSet questions(set.isEmpty() ? program.setPath("none.dat")
                                                  : program.writeSet("set.dat", set));
        QString error;
        QCOMPARE(questions.passwordMatches(typed, QuestionSet::ExactCase, &error), exact);
        QCOMPARE(questions.passwordMatches(typed, QuestionSet::IgnoreCase, &error), ignoreCase);
        QCOMPARE(error, QString());
    }

    void nextSlot_data()
    {
        QTest::addColumn<QList<int>>("numbers"); // of the records in file order; 9999 the
                                                 // header, 0 a zero-filled record
        QTest::addColumn<int>("record");         // 0: the set is full
        QTest::addColumn<int>("number");

        QTest::newRow("new set") << QList<int>{9999} << 2 << 2;
        QTest::newRow("numbers follow records") << QList<int>{9999, 2, 3} << 4 << 4;
        QTest::newRow("a deleted question's number is not reused") << QList<int>{9999, 2, 4}
                                                                   << 4 << 5;
        QTest::newRow("header last") << QList<int>{7, 9999} << 3 << 8;
        QTest::newRow("highest below 9000 still fits") << QList<int>{9999, 8998} << 3 << 8999;
        QTest::newRow("number 8999 taken") << QList<int>{9999, 8999} << 0 << 0;
        QTest::newRow("foreign number 9500") << QList<int>{9999, 9500} << 0 << 0;
        QTest::newRow("record 9000 next") << QList<int>{9999} + QList<int>(8998, 0) << 0 << 0;
    }

    void nextSlot()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(int, record);
        QFETCH(int, number);
        TestProgram program;
        QList<QuestionRecord> records;
        for (int n : numbers)
            records << (n == 9999 ? makeHeader("m", "c", "pw")
                                  : n == 0 ? QuestionRecord() : makeQuestion(1, n, "Q"));
        QString problem;
        const QuestionSet set(program.writeSet("q.dat", records));
        const auto slot = set.nextSlot(&problem);
        QCOMPARE(slot.has_value(), record > 0);
        if (slot) {
            QCOMPARE(slot->record, record);
            QCOMPARE(slot->number, number);
        } else {
            QCOMPARE(problem, QStringLiteral("This question set is full: no more questions can be "
                                             "added to it."));
        }
    }

    void storedTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("refused"); // the characters named when it cannot be stored

        QTest::newRow("lower case, spaces around") << "  what?  " << "WHAT?" << "";
        QTest::newRow("capitals the code page has, and ones it lacks")
            << QStringLiteral("caf\u00E9 stra\u00DFe 1 \u00B5m \u00FF")
            << QStringLiteral("CAF\u00C9 STRA\u00DFE 1 \u00B5M \u0178") << "";
        QTest::newRow("euro and pound") << QStringLiteral("\u20AC5 or \u00A35?")
                                        << QStringLiteral("\u20AC5 OR \u00A35?") << "";
        // Letter by letter: "ß" has no one-letter capital, so a full field keeps its length.
        QTest::newRow("a full field keeps its length") << QString(200, u'\u00DF')
                                                       << QString(200, u'\u00DF') << "";
        QTest::newRow("snowman") << QStringLiteral("Snow \u2603?") << ""
                                 << QStringLiteral("\u2603");
        QTest::newRow("emoji") << QStringLiteral("Smile \U0001F600") << ""
                               << QStringLiteral("\U0001F600");
        QTest::newRow("CJK, each named once") << QStringLiteral("\u65E5\u672C\u65E5?") << ""
                                              << QStringLiteral("\u65E5 \u672C");
    }

    void storedTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, refused);
        const QString problem = QuestionSet::textProblem(QStringLiteral("Answer C"), typed);
        QuestionRecord question = makeQuestion(1, 2, "Q");
        question.answer_c = typed;
        QCOMPARE(QuestionSet::questionProblem(question), problem);
        if (!refused.isEmpty()) {
            QCOMPARE(problem, "Answer C holds characters that a question set cannot store: "
                                  + refused);
            return;
        }
        QCOMPARE(problem, QString());
        QCOMPARE(QuestionSet::storedText(typed), stored);
    }

    void typedRoundAndRight_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("round"); // 0: refused
        QTest::addColumn<QString>("right");

        QTest::newRow("15") << "15" << 15 << "";
        QTest::newRow("spaces around") << "  7  " << 7 << "";
        QTest::newRow("2.5 to even") << "2.5" << 2 << "";
        QTest::newRow("0.6 rounds up") << "0.6" << 1 << "";
        QTest::newRow("plus and zero") << "+07" << 7 << "";
        QTest::newRow("0.5 rounds to 0") << "0.5" << 0 << "";
        QTest::newRow("15.5 rounds to 16") << "15.5" << 0 << "";
        QTest::newRow("inner space") << "1 2" << 0 << "";
        QTest::newRow("exponent") << "1e1" << 0 << "";
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("B, spaces around") << "  B  " << 0 << "b";
        QTest::newRow("C9 sorts inside") << "C9" << 0 << "c";
        QTest::newRow("AB sorts inside") << "AB" << 0 << "a";
        QTest::newRow("DA sorts after") << "DA" << 0 << "";
        QTest::newRow("E") << "E" << 0 << "";
        QTest::newRow("@") << "@" << 0 << "";
    }

    void typedRoundAndRight()
    {
        QFETCH(QString, typed);
        QFETCH(int, round);
        QFETCH(QString, right);
        QCOMPARE(QuestionSet::typedRound(typed).value_or(0), round);
        QCOMPARE(QuestionSet::typedRight(typed), right);
    }

    // Each column holds texts separated by '|'.
    void details_data()
    {
        QTest::addColumn<QString>("typed");   // creator, message, password
        QTest::addColumn<QString>("newSet");  // creator and message for a new set
        QTest::addColumn<QString>("changed"); // the header after the manager's OK

        QTest::newRow("all given") << "Bob|Enjoy|NewPw" << "Bob|Enjoy" << "Bob|Enjoy|NewPw";
        QTest::newRow("blank password keeps the old") << "Ann|Hi|   " << "Ann|Hi" << "Ann|Hi|old";
        QTest::newRow("password kept as typed") << "Ann|Hi| PaSs " << "Ann|Hi" << "Ann|Hi|PaSs";
        QTest::newRow("message blank") << "Bob||" << "Bob|No Message"
                                       << "Not Given|No Message|old";
        QTest::newRow("name of spaces") << "   |Enjoy|x" << "Not Given|Enjoy"
                                        << "Not Given|No Message|x";
        QTest::newRow("spaces around, case kept") << " bob SMITH | a Message |"
                                                  << " bob SMITH | a Message "
                                                  << "bob SMITH|a Message|old";
    }

    void details()
    {
        QFETCH(QString, typed);
        QFETCH(QString, newSet);
        QFETCH(QString, changed);
        const QStringList given = typed.split(u'|');
        const QStringList header = changed.split(u'|');
        const QuestionSet::Details details{given[0], given[1], given[2]};
        const auto filled = QuestionSet::withDefaults(details, QuestionSet::FillEachBlank);
        QCOMPARE(filled.creator + '|' + filled.message, newSet);
        QCOMPARE(filled.password, given[2]);

        TestProgram program;
        QList<QuestionRecord> records{makeQuestion(4, 2, "Q?"),
                                      makeHeader("Hi there", "Ann", "old"),
                                      makeQuestion(5, 3, "R?")};
        const QuestionSet set(program.writeSet("set.dat", records));
        QCOMPARE(set.changeDetails(details), Change::Done);
        records[1] = makeHeader(header[1], header[0], header[2]);
        QCOMPARE(readRecords(set.path()), records);
    }

    void nameProblem_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("says"); // empty: usable
        QTest::newRow("ordinary") << "my quiz.dat" << "";
        QTest::newRow("dots inside") << "..quiz.dat" << "";
        QTest::newRow("accented") << QStringLiteral("caf\u00E9.dat") << "";
        // Every change writes a copy named ".NAME.quorvane-XXXXXX" beside the set.
        QTest::newRow("238 bytes, the longest whose copy's name fits 255")
            << QStringLiteral("\u00E9") + QString(232, u'x') + ".dat" << "";
        QTest::newRow("239 bytes") << QString(235, u'x') + ".dat"
                                   << "The set name is too long: a set's file name may take at most 238 bytes";
        QTest::newRow("slash") << "../escape.dat" << "must not contain / or \\";
        QTest::newRow("backslash") << "a\\b.dat" << "must not contain / or \\";
        QTest::newRow("dot dot") << ".." << "must not be \".\" or \"..\"";
        QTest::newRow("tab") << "a\tb.dat" << "control characters";
        QTest::newRow("delete character") << "a\x7F.dat" << "control characters";
    }

    // A name the rule accepts makes a set that can be created and changed.
    void nameProblem()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, says);
        const QString problem = QuestionSet::nameProblem(fileName);
        QVERIFY2(says.isEmpty() ? problem.isEmpty() : problem.contains(says), qPrintable(problem));
        if (!says.isEmpty())
            return;
        TestProgram program;
        const QuestionSet set(program.setPath(fileName));
        int count = 0;
        QString error;
        QCOMPARE(set.openCounting(&error), 0);
        QCOMPARE(set.writeHeader(count, makeHeader("m", "c", ""), &error), Change::Done);
        QCOMPARE(set.add(makeQuestion(1, 0, "Q?"), count, &error), Change::Done);
        QVERIFY2(error.isEmpty() && count == 2, qPrintable(error));
    }

    // Sets merged from several sources can hold two questions with one number, so
    // a pick is known by its position and must still hold the bytes it was read with.
    void editAndRemoveThePickedRecord()
    {
        TestProgram program;
        QuestionRecord zero; // a zero-filled gap is a record of its own and stays
        QList<QuestionRecord> records{makeHeader("Hi", "Ann", ""), makeQuestion(1, 5, "FIRST?"),
                                      makeQuestion(2, 5, "SECOND?"), zero,
                                      makeQuestion(3, 8, "C?")};
        const QuestionSet set(program.writeSet("set.dat", records));
        // The copy a killed write left goes with the next change; others stay.
        const QStringList beside{".set.dat.quorvane-x1Y2z3", ".set.dat.backup",
                                 "set.dat.quorvane-x1Y2z3"};
        for (const QString &name : beside)
            program.writeFile(name, "left");
        std::optional<QuestionSet::Pick> second = set.pick(3);
        QVERIFY(second);
        QuestionRecord edited = second->question();
        edited.question = QStringLiteral("edited");
        QCOMPARE(set.edit(*second, edited), Change::Done);
        records[2].question = QStringLiteral("EDITED");
        QCOMPARE(readRecords(set.path()), records);
        QCOMPARE(filesIn(program.questionsDir()), (QStringList{beside[1], "set.dat", beside[2]}));
        QCOMPARE(set.edit(*second, edited), Change::Done); // the pick follows its own edit

        // Another program puts a new question where the first one stood.
        std::optional<QuestionSet::Pick> first = set.pick(2);
        records[1] = makeQuestion(9, 3, "NEWCOMER?", "d");
        program.writeSet("set.dat", records);
        QCOMPARE(set.edit(*first, first->question()), Change::Moved);
        QuestionSet::Removal removal;
        QCOMPARE(set.remove(*first, removal), Change::Moved);
        QCOMPARE(readRecords(set.path()), records);

        QFile::setPermissions(set.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(set.remove(*second, removal), Change::Done);
        QCOMPARE(removal.removed, 1);
        QCOMPARE(removal.remaining, 4);
        records.removeAt(2);
        QCOMPARE(readRecords(set.path()), records);
        QCOMPARE(QFile::permissions(set.path()) & (QFile::ReadGroup | QFile::WriteGroup),
                 QFile::Permissions(QFile::ReadGroup));
        QCOMPARE(set.remove(*second, removal), Change::Moved); // deleting twice deletes once

        QVERIFY(QFile::remove(set.path()));
        QCOMPARE(set.edit(*second, edited), Change::Unreadable);
        QCOMPARE(set.changeDetails({"Bob", "Hi", ""}), Change::Unreadable);
        QVERIFY(!QFile::exists(set.path()));
    }

    // Only the main window makes a new set; the start screen's check leaves nothing behind.
    void openingMakesNothingBehindTheUser()
    {
        TestProgram program;
        const QuestionSet fresh(program.dir() + "/Questions again/new.dat");
        QCOMPARE(fresh.openProblem(), QString());
        QVERIFY(!QFile::exists(fresh.path()));
        QCOMPARE(fresh.openCounting(), 0);
        QVERIFY(QFile::exists(fresh.path()));

        QVERIFY(QDir(program.questionsDir()).mkdir("dir.dat")); // in the way of a set file
        const QuestionSet blocked(program.setPath("dir.dat"));
        QVERIFY(blocked.openProblem().startsWith("The question set \"dir.dat\" cannot be opened"));
        QVERIFY(!blocked.openCounting());
    }
};

QTEST_MAIN(TestQuestionSet)
#include "tst_questionset.moc"
