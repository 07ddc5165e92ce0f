#include "manage/questionlistmodel.h"
#include "testprogram.h"

#include <QtTest>

// The manager's list: the order each column sorts in.
class TestQuestionListModel : public QObject
{
    Q_OBJECT

private slots:
    void sortsByEachColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("questions"); // as listed

        // File order: BETA (£125000, C), ALPHA (£200, D), CHARLIE (£16000, A), DELTA (£100, B).
        // Rounds go by the ladder, not by their prizes' texts.
        using Model = QuestionListModel;
        QTest::newRow("round, up") << int(Model::RoundColumn) << false
                                   << QStringList{"DELTA", "ALPHA", "CHARLIE", "BETA"};
        QTest::newRow("round, down") << int(Model::RoundColumn) << true
                                     << QStringList{"BETA", "CHARLIE", "ALPHA", "DELTA"};
        QTest::newRow("question, up") << int(Model::QuestionColumn) << false
                                      << QStringList{"ALPHA", "BETA", "CHARLIE", "DELTA"};
        QTest::newRow("question, down") << int(Model::QuestionColumn) << true
                                        << QStringList{"DELTA", "CHARLIE", "BETA", "ALPHA"};
        QTest::newRow("right, up") << int(Model::RightColumn) << false
                                   << QStringList{"CHARLIE", "DELTA", "BETA", "ALPHA"};
        QTest::newRow("right, down") << int(Model::RightColumn) << true
                                     << QStringList{"ALPHA", "BETA", "DELTA", "CHARLIE"};
    }

    void sortsByEachColumn()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, questions);
        TestProgram program;
        const QString path = program.writeSet(
            "set.dat", {makeHeader("m", "c", ""), makeQuestion(12, 2, "BETA", "c"),
                        makeQuestion(2, 3, "ALPHA", "d"), makeQuestion(9, 4, "CHARLIE", "a"),
                        makeQuestion(1, 5, "DELTA", "b")});
        QuestionListModel model;
        model.fill(path);
        model.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QStringList listed;
        for (int i = 0; i < model.rowCount(); ++i)
            listed << model.question(i).trimmed();
        QCOMPARE(listed, questions);
    }
};

QTEST_MAIN(TestQuestionListModel)
#include "tst_questionlistmodel.moc"
