#include "managerhelpers.h"
#include "storage/questionset.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <numeric>

#include <sys/stat.h>
#include <unistd.h>

using namespace ManagerHelpers;
using Change = QuestionSet::Change;

// The rules a question set keeps, one table each.
class TestQuestionSet : public QObject
{
    Q_OBJECT

private slots:
    // Adding and importing take the password letter for letter, the
    // manager's gate in any letter case; any header may hold it.
    void unlock_data()
    {
        QTest::addColumn<QStringList>("records"); // a header's password each, "?" a question
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exact");      // adding a question, importing
        QTest::addColumn<bool>("ignoreCase"); // the manager's gate
        QTest::addColumn<QString>("problem");

        QTest::newRow("exact") << QStringList{"Se7en", "?"} << "Se7en" << true << true << QString();
        QTest::newRow("spaces around") << QStringList{"Se7en"} << "  Se7en " << true << true << QString();
        QTest::newRow("other case") << QStringList{"Secret"} << "  sECRET  " << false << true << QString();
        QTest::newRow("space inside") << QStringList{"Secret"} << "Sec ret" << false << false << QString();
        QTest::newRow("nothing typed") << QStringList{"Secret"} << "" << false << false << QString();
        QTest::newRow("stored with inner space") << QStringList{"ab cd"} << "AB CD" << false << true << QString();
        QTest::newRow("blank, nothing typed") << QStringList{""} << "" << true << true << QString();
        QTest::newRow("blank, prompt cancelled") << QStringList{""} << QString() << true << true << QString();
        QTest::newRow("blank, something typed") << QStringList{""} << "x" << false << false << QString();
        QTest::newRow("second header matches") << QStringList{"other", "pw"} << "pw" << true << true << QString();
        QTest::newRow("header after a question") << QStringList{"?", "pw"} << "PW" << false << true << QString();
        QTest::newRow("no header") << QStringList{"?"} << "" << false << false
                                   << "The question set \"set.dat\" has lost its header and cannot be changed.";
        QTest::newRow("no file") << QStringList() << "" << false << false << "The question set \"none.dat\" no longer exists.";
    }

    void unlock()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, typed);
        QFETCH(bool, exact);
        QFETCH(bool, ignoreCase);
        QFETCH(QString, problem);
        TestProgram program;
        QList<QuestionRecord> set;
        for (const QString &password : records)
            set << (password == "?" ? makeQuestion(1, 2, "WHO?") : makeHeader("m", "c", password));
        const QuestionSet questions(set.isEmpty() ? program.setPath("none.dat") : program.writeSet("set.dat", set));
        using Purpose = QuestionSet::Purpose;
        using Unlock = QuestionSet::Unlock;
        for (const Purpose purpose : {Purpose::Adding, Purpose::Importing, Purpose::Managing}) {
            const bool opens = purpose == Purpose::Managing ? ignoreCase : exact;
            QString error;
            QCOMPARE(questions.unlock(typed, purpose, &error),
                     opens ? Unlock::Opened : problem.isEmpty() ? Unlock::WrongPassword : Unlock::NoHeader);
            QCOMPARE(error, problem);
        }
    }

    // Records given as "round/number", "header", or "rounds 2-15" for one question a round.
    void whatIsAQuestion_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QList<int>>("questions"); // record numbers, in file order
        QTest::addColumn<bool>("playable");

        QList<int> fifteen(15);
        std::iota(fifteen.begin(), fifteen.end(), 2);
        QTest::newRow("numbers below 9000") << QStringList{"header", "1/2", "15/8999", "7/-4"} << QList<int>{2, 3, 4} << false;
        QTest::newRow("reserved numbers") << QStringList{"3/9000", "5/9999", "header", "2/9500"} << QList<int>{} << false;
        QTest::newRow("rounds outside 1 to 15") << QStringList{"0/0", "16/6", "-1/7", "99/5"} << QList<int>{} << false;
        QTest::newRow("every round") << QStringList{"header", "rounds 1-15"} << fifteen << true;
        QTest::newRow("round 1 only numbered 9000") << QStringList{"1/9000", "rounds 2-15"} << fifteen.first(14) << false;
    }

    // Counts, the list and the verdict on playing all go by the one rule.
    void whatIsAQuestion()
    {
        QFETCH(QStringList, records);
        QFETCH(QList<int>, questions);
        QFETCH(bool, playable);
        TestProgram program;
        QList<QuestionRecord> set;
        for (const QString &record : records) {
            const QStringList range = record.mid(7).split(u'-');
            const QStringList parts = record.split(u'/');
            if (record == "header")
                set << makeHeader("m", "c", "pw");
            else if (record.startsWith("rounds "))
                for (int r = range[0].toInt(); r <= range[1].toInt(); ++r)
                    set << makeQuestion(r, 100 + r, "Q?");
            else
                set << makeQuestion(parts[0].toInt(), parts[1].toInt(), "Q?");
        }
        const QuestionSet questionSet(program.writeSet("q.dat", set));
        QList<int> listed;
        QuestionSet::RoundCounts fromList{};
        QVERIFY(questionSet.forEachQuestion([&](int n, QByteArrayView raw) {
            listed << n;
            ++fromList[QuestionRecord::roundOf(raw) - 1];
        }));
        QCOMPARE(listed, questions);
        const QuestionSet::RoundCounts counts = questionSet.countRounds();
        QVERIFY(counts == fromList);
        QCOMPARE(QuestionSet::playable(counts), playable);
    }

    void nextSlot_data()
    {
        QTest::addColumn<QList<int>>("numbers"); // of the records in file order; 9999 the
                                                 // header, 0 a zero-filled record
        QTest::addColumn<int>("record");         // 0: the set is full
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("room");           // questions that still fit

        QTest::newRow("numbers follow records") << QList<int>{9999, 2, 3} << 4 << 4 << 8996;
        QTest::newRow("a deleted question's number is not reused") << QList<int>{9999, 2, 4} << 4 << 5 << 8995;
        QTest::newRow("header last") << QList<int>{7, 9999} << 3 << 8 << 8992;
        QTest::newRow("highest below 9000 still fits") << QList<int>{9999, 8998} << 3 << 8999 << 1;
        QTest::newRow("number 8999 taken") << QList<int>{9999, 8999} << 0 << 0 << 0;
        QTest::newRow("reserved numbers take none") << QList<int>{9999, 9500, 9000} << 4 << 4 << 8996;
        QTest::newRow("record 9000 next") << QList<int>{9999} + QList<int>(8998, 0) << 0 << 0 << 0;
    }

    void nextSlot()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(int, record);
        QFETCH(int, number);
        QFETCH(int, room);
        TestProgram program;
        QList<QuestionRecord> records;
        for (int n : numbers)
            records << (n == 9999 ? makeHeader("m", "c", "pw")
                                  : n == 0 ? QuestionRecord() : makeQuestion(1, n, "Q"));
        QString problem;
        const QuestionSet set(program.writeSet("q.dat", records));
        const auto slot = set.nextSlot(&problem);
        QCOMPARE(set.numbering()->room(), room);
        QCOMPARE(slot.has_value(), record > 0);
        if (slot) {
            QCOMPARE(slot->record, record);
            QCOMPARE(slot->number, number);
        } else {
            QCOMPARE(problem, QStringLiteral("This question set is full: no more questions can be added to it."));
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
        QTest::newRow("lower case after a run of capitals") << "WHAT IS THE capital OF fRANCe?"
                                                            << "WHAT IS THE CAPITAL OF FRANCE?" << "";
        QTest::newRow("euro and pound") << QStringLiteral("\u20AC5 or \u00A35?") << QStringLiteral("\u20AC5 OR \u00A35?") << "";
        // Letter by letter: "ß" has no one-letter capital, so a full field keeps its length.
        QTest::newRow("a full field keeps its length") << QString(200, u'\u00DF') << QString(200, u'\u00DF') << "";
        QTest::newRow("snowman") << QStringLiteral("Snow \u2603?") << "" << QStringLiteral("\u2603");
        QTest::newRow("emoji") << QStringLiteral("Smile \U0001F600") << "" << QStringLiteral("\U0001F600");
        QTest::newRow("CJK, each named once") << QStringLiteral("\u65E5\u672C\u65E5?") << "" << QStringLiteral("\u65E5 \u672C");
        QTest::newRow("tab and next line, shown") << QStringLiteral("A\tB\u0085") << "" << QStringLiteral("\\t [U+0085]");
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
            QCOMPARE(problem, "Answer C holds characters that a question set cannot store: " + refused);
            return;
        }
        QCOMPARE(problem, QString());
        QCOMPARE(QuestionSet::storedText(typed), stored);
    }

    // Where a typed text stops being storable, as import reports it.
    void textFault_data()
    {
        using Fault = QuestionSet::TextFault;
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("at"); // counted in characters from 0

        QTest::newRow("200 fill a question") << QString(200, u'q') << 200 << int(Fault::None) << 0;
        QTest::newRow("201 do not") << QString(201, u'q') << 200 << int(Fault::TooLong) << 200;
        QTest::newRow("spaces around are not stored") << "  " + QString(50, u'\u00DF') + " " << 50 << int(Fault::None) << 0;
        QTest::newRow("51 answer characters") << QString(51, u'\u00FF') << 50 << int(Fault::TooLong) << 50;
        QTest::newRow("a control character first, anywhere")
            << QStringLiteral("\u03A9 \U0001F600\x7F") << 50 << int(Fault::ControlCharacter) << 3;
        QTest::newRow("a control character after a run of plain text")
            << QStringLiteral("WHICH PLANET IS KNOWN AS THE RED\x01 PLANET OF ALL") << 50 << int(Fault::ControlCharacter) << 32;
        QTest::newRow("DEL after a run of plain text")
            << QStringLiteral("WHICH PLANET IS KNOWN AS THE RED\x7F PLANET OF ALL") << 50 << int(Fault::ControlCharacter) << 32;
        QTest::newRow("then Windows-1252") << QStringLiteral("\u20AC\u03A9") << 50 << int(Fault::OutsideCodePage) << 1;
    }

    void textFault()
    {
        QFETCH(QString, typed);
        QFETCH(int, width);
        QFETCH(int, kind);
        QFETCH(int, at);
        const QuestionSet::TextFault fault = QuestionSet::textFault(typed, width);
        QCOMPARE(int(fault.kind), kind);
        QCOMPARE(int(fault.at), at);
        if (kind == QuestionSet::TextFault::ControlCharacter || kind == QuestionSet::TextFault::OutsideCodePage)
            QCOMPARE(fault.character, typed.toUcs4().at(at));
    }

    // Each end of each range, and one past it; rows group what is read alike.
    void typedRoundAndRight_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("round"); // 0: refused
        QTest::addColumn<QString>("right");
        QTest::newRow("round 1") << QStringList{"1", QStringLiteral("\u00A3100"), "0.6"} << 1 << "";
        QTest::newRow("round 15") << QStringList{"15", QStringLiteral(" \u00A31000000 ")} << 15 << "";
        QTest::newRow("spaces, plus and zero") << QStringList{"  7  ", "+07", "07"} << 7 << "";
        QTest::newRow("2.5 to even") << QStringList{"2.5"} << 2 << "";
        QTest::newRow("neither") << QStringList{"0", "16", QStringLiteral("\u00A31001"), "0.5", "15.5", "1 2", "1e1",
                                                "", "DA", "E", "@"} << 0 << "";
        QTest::newRow("A, and AB sorting inside") << QStringList{"A", "AB"} << 0 << "a";
        QTest::newRow("B, spaces around") << QStringList{"  B  "} << 0 << "b";
        QTest::newRow("C9 sorts inside") << QStringList{"C9"} << 0 << "c";
        QTest::newRow("d in either case, alone or spaced") << QStringList{"d", "D", " D "} << 0 << "d";
    }

    void typedRoundAndRight()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, round);
        QFETCH(QString, right);
        for (const QString &text : typed) {
            QVERIFY2(QuestionSet::typedRound(text).value_or(0) == round, qPrintable(text));
            QVERIFY2(QuestionSet::typedRight(text) == right, qPrintable(text));
        }
    }

    // Each column holds texts separated by '|'.
    void details_data()
    {
        QTest::addColumn<QString>("typed");   // creator, message, password
        QTest::addColumn<QString>("newSet");  // creator and message for a new set
        QTest::addColumn<QString>("changed"); // the header after the manager's OK

        QTest::newRow("blank password keeps the old") << "Ann|Hi|   " << "Ann|Hi" << "Ann|Hi|old";
        QTest::newRow("password kept as typed") << "Ann|Hi| PaSs " << "Ann|Hi" << "Ann|Hi|PaSs";
        QTest::newRow("message blank") << "Bob||" << "Bob|No Message" << "Not Given|No Message|old";
        QTest::newRow("name of spaces") << "   |Enjoy|x" << "Not Given|Enjoy" << "Not Given|No Message|x";
        QTest::newRow("spaces around, case kept") << " bob SMITH | a Message |" << " bob SMITH | a Message "
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
        // The first header counts wherever it stands; a second one is left alone.
        QList<QuestionRecord> records{makeQuestion(4, 2, "Q?"), makeHeader("Hi there", "Ann", "old"), makeQuestion(5, 3, "R?"),
                                      makeHeader("Second", "Bo", "other")};
        const QuestionSet set(program.writeSet("set.dat", records));
        const auto found = set.findHeader();
        QuestionSet::Pick loaded{found->n, found->bytes};
        QCOMPARE(set.changeDetails(loaded, details), Change::Done);
        records[1] = makeHeader(header[1], header[0], header[2]);
        QCOMPARE(readRecords(set.path()), records);
    }

    // Two copies show the same details; the second one's OK must not undo
    // the first's change.
    void detailsChangedElsewhereAreKept()
    {
        TestProgram program;
        const QuestionSet set(program.writeSet("set.dat", {makeQuestion(1, 2, "Q?"), makeHeader("Old", "Ann", "pw")}));
        const auto header = set.findHeader();
        QuestionSet::Pick first{header->n, header->bytes};
        QuestionSet::Pick second = first;
        QCOMPARE(set.changeDetails(first, {"Ann", "New", ""}), Change::Done);
        const QByteArray changed = program.readFile(set.path());
        QCOMPARE(set.changeDetails(second, {"Bob", "Old", ""}), Change::Moved);
        QCOMPARE(program.readFile(set.path()), changed);
        QCOMPARE(set.changeDetails(first, {"Ann", "Newer", ""}), Change::Done); // follows its write
        QCOMPARE(set.findHeader()->record, makeHeader("Newer", "Ann", "pw"));
    }

    // Every change to a set that is gone or headless says so, never "wrong
    // password", "changed by another program" or nothing.
    void goneOrHeadlessSet_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("problem");
        const QString gone = QStringLiteral("The question set \"set.dat\" no longer exists.");
        const QString headless = QStringLiteral("The question set \"set.dat\" has lost its header and cannot be changed.");
        QTest::newRow("deleted") << "delete" << gone;
        QTest::newRow("folder renamed") << "rename" << gone;
        QTest::newRow("emptied") << "0" << headless;
        QTest::newRow("cut to 300 bytes") << "300" << headless;
    }

    void goneOrHeadlessSet()
    {
        QFETCH(QString, how);
        QFETCH(QString, problem);
        TestProgram program;
        const QuestionSet set(program.writeSet("set.dat", {makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "Q?")}));
        const auto header = set.findHeader();
        QuestionSet::Pick loaded{header->n, header->bytes};
        std::optional<QuestionSet::Pick> picked = set.pick(2);
        if (how == "delete")
            QVERIFY(QFile::remove(set.path()));
        else if (how == "rename")
            QVERIFY(QDir(program.dir()).rename("Questions", "Moved"));
        else
            QVERIFY(QFile::resize(set.path(), how.toInt()));
        const QByteArray before = program.readFile(set.path());

        QString error;
        QCOMPARE(set.unlock("pw", QuestionSet::Purpose::Adding, &error), QuestionSet::Unlock::NoHeader);
        QCOMPARE(error, problem);
        const Change refused = how.front().isDigit() ? Change::Refused : Change::Unreadable;
        QCOMPARE(set.edit(*picked, picked->question(), &error), refused);
        QCOMPARE(error, problem);
        QuestionSet::Removal removal;
        QCOMPARE(set.remove(*picked, removal, &error), refused);
        QCOMPARE(error, problem);
        QCOMPARE(set.changeDetails(loaded, {"Bob", "Hi", ""}, &error), refused);
        QCOMPARE(error, problem);
        QCOMPARE(program.readFile(set.path()), before);
        QCOMPARE(QFile::exists(set.path()), refused == Change::Refused);
    }

    void nameProblem_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("says"); // empty: usable
        QTest::newRow("ordinary") << "my quiz.dat" << "";
        QTest::newRow("dots inside") << "..quiz.dat" << "";
        // Every change writes a copy named ".NAME.quorvane-XXXXXX" beside the set.
        QTest::newRow("238 bytes, the longest whose copy's name fits 255")
            << QStringLiteral("\u00E9") + QString(232, u'x') + ".dat" << "";
        QTest::newRow("239 bytes") << QString(235, u'x') + ".dat" << "The set name is too long: a set's file name may take at most 238";
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

    void freeName_data()
    {
        QTest::addColumn<QStringList>("there"); // the first is the name asked for; "->" a link to nowhere
        QTest::addColumn<QString>("expected");
        QTest::newRow("taken, and the next") << QStringList{"quiz.dat", "quiz (2).dat"} << "quiz (3).dat";
        QTest::newRow("held by a link to nowhere") << QStringList{"->quiz.dat"} << "quiz (2).dat";
        // Measured in bytes: the accented letter takes two, and goes whole.
        QTest::newRow("cut to fit, in bytes") << QStringList{QString(229, u'x') + QStringLiteral("\u00E9.dat")}
                                              << QString(229, u'x') + " (2).dat";
    }

    // The name a set brought in takes where its own is taken.
    void freeName()
    {
        QFETCH(QStringList, there);
        QFETCH(QString, expected);
        TestProgram program;
        for (const QString &name : there) {
            if (name.startsWith("->"))
                QVERIFY(QFile::link("nowhere", program.setPath(name.mid(2))));
            else
                program.writeSet(name, {});
        }
        const QString free = QuestionSet::freeName(program.questionsDir(), there.first().remove("->"));
        QCOMPARE(free, expected);
        QVERIFY(QuestionSet::nameProblem(free).isEmpty());
    }

    // Sets merged from several sources can hold two questions with one number, so
    // a pick is known by its position and must still hold the bytes it was read with.
    void editAndRemoveThePickedRecord()
    {
        TestProgram program;
        QuestionRecord zero; // a zero-filled gap is a record of its own and stays
        QList<QuestionRecord> records{makeHeader("Hi", "Ann", ""), makeQuestion(1, 5, "FIRST?"), makeQuestion(2, 5, "SECOND?"),
                                      zero, makeQuestion(3, 8, "C?")};
        const QuestionSet set(program.writeSet("set.dat", records));
        // Which copies left beside a set a change sweeps is tst_setfile's
        // leftoversOfGoneWritersSwept; that its permissions stay, tst_faultinjection's.
        std::optional<QuestionSet::Pick> second = set.pick(3);
        QVERIFY(second);
        QuestionRecord edited = second->question();
        edited.question = QStringLiteral("edited");
        QCOMPARE(set.edit(*second, edited), Change::Done);
        records[2].question = QStringLiteral("EDITED");
        QCOMPARE(readRecords(set.path()), records);
        QCOMPARE(set.edit(*second, edited), Change::Done); // the pick follows its own edit

        // Another program puts a new question where the first one stood.
        std::optional<QuestionSet::Pick> first = set.pick(2);
        records[1] = makeQuestion(9, 3, "NEWCOMER?", "d");
        program.writeSet("set.dat", records);
        QCOMPARE(set.edit(*first, first->question()), Change::Moved);
        QuestionSet::Removal removal;
        QCOMPARE(set.remove(*first, removal), Change::Moved);
        QCOMPARE(readRecords(set.path()), records);

        // Another user's set in a shared folder stays theirs (only root can test it).
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(set.path()).constData(), 4242, 4343), 0);
        QCOMPARE(set.remove(*second, removal), Change::Done);
        QCOMPARE(removal.removed, 1);
        QCOMPARE(removal.remaining, 4);
        records.removeAt(2);
        QCOMPARE(readRecords(set.path()), records);
        struct stat owner;
        QCOMPARE(::stat(QFile::encodeName(set.path()).constData(), &owner), 0);
        if (root)
            QCOMPARE(std::pair(owner.st_uid, owner.st_gid), std::pair(uid_t(4242), gid_t(4343)));
        QCOMPARE(set.remove(*second, removal), Change::Moved); // deleting twice deletes once
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
