#include "gamedriver.h"

#include "game/gamescreen.h"

#include <QTest>

GameDriver::GameDriver(const QString &rightLetter)
{
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
    for (int round = 1; round <= 15; ++round)
        records << makeQuestion(round, round + 1, questionText(round, 1),
                                rightLetter.isEmpty() ? QString(QChar('a' + (round + 1) % 4)) : rightLetter);
    program.state.set.name = QStringLiteral("quiz.dat");
    program.state.set.path = program.writeSet(program.state.set.name, records);
    program.services.random = &random;
}

GameDriver::~GameDriver() = default;

GameScreen *GameDriver::start(const QString &name)
{
    program.dialogs.answerText(name);
    random.push(0.0); // the only question of round 1
    form = std::make_unique<GameScreen>(program.state.folders, program.state.set, program.services,
                                        nullptr);
    return form.get();
}

void GameDriver::click(const QString &name)
{
    QTest::mouseClick(form->findChild<QWidget *>(name), Qt::LeftButton);
}

void GameDriver::answerRight()
{
    program.dialogs.answerYes();
    if (form->game().level() < 14)
        random.push(0.0);
    click(QStringLiteral("lbl_") + form->game().rightLetter());
}

void GameDriver::climbTo(int level)
{
    while (form->game().level() < level && !form->isOver())
        answerRight();
}
