#include "gamedriver.h"

#include "game/gamescreen.h"

#include <QTest>

GameDriver::GameDriver(const QString &rightLetter, int perRound)
    : m_perRound(perRound)
{
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
    for (int k = 1; k <= perRound; ++k) {
        for (int round = 1; round <= 15; ++round)
            records << makeQuestion(round, records.size() + 1, questionText(round, k),
                                    rightLetter.isEmpty() ? QString(QChar('a' + (round + k) % 4)) : rightLetter);
    }
    program.state.set.name = QStringLiteral("quiz.dat");
    program.state.set.path = program.writeSet(program.state.set.name, records);
    program.services.random = &random;
}

GameDriver::~GameDriver() = default;

GameScreen *GameDriver::start(const QString &name, int k)
{
    program.dialogs.answerText(name);
    random.pushPick(k, m_perRound);
    form = std::make_unique<GameScreen>(program.state.folders, program.state.set, program.services,
                                        nullptr);
    return form.get();
}

void GameDriver::click(const QString &name)
{
    QTest::mouseClick(form->findChild<QWidget *>(name), Qt::LeftButton);
}

void GameDriver::answerRight(int k)
{
    program.dialogs.answerYes();
    if (form->game().level() < 14)
        random.pushPick(k, m_perRound);
    click(QStringLiteral("lbl_") + form->game().rightLetter());
}

void GameDriver::climbTo(int level)
{
    while (form->game().level() < level && !form->isOver())
        answerRight();
}
