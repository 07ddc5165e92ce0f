#include "gamedriver.h"

#include "game/gamescreen.h"

#include <QLabel>
#include <QTest>

GameDriver::GameDriver(const QString &rightLetter, const QString &setName)
{
    static const QStringList cycle = {"a", "b", "c", "d"};
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
    for (int round = 1; round <= 15; ++round)
        records << makeQuestion(round, round + 1, QStringLiteral("ROUND %1").arg(round),
                                rightLetter.isEmpty() ? cycle.at(round % 4) : rightLetter);
    program.state.set_name = setName;
    program.state.set_path = program.writeSet(setName, records);
    program.state.SET_RECORD_LEN = 405;
    program.services.sound = &sound;
    program.services.random = &random;
    program.services.printer = &printer;
}

GameDriver::~GameDriver()
{
    form.reset();
    TestProgram::closeAllWindows();
}

GameScreen *GameDriver::start(const QString &name)
{
    program.dialogs.answerText(name);
    random.pushPick(1, 1);
    form = std::make_unique<GameScreen>(program.state, program.services, nullptr);
    return form.get();
}

QLabel *GameDriver::answerLabel(const QString &letter) const
{
    return form->findChild<QLabel *>(QStringLiteral("lbl_") + letter);
}

void GameDriver::answerRight()
{
    program.dialogs.answerYes();
    if (form->game().level < 14)
        random.pushPick(1, 1);
    QTest::mouseClick(answerLabel(form->game().right_letter), Qt::LeftButton);
}

void GameDriver::climbTo(int level)
{
    while (form->game().level < level)
        answerRight();
}
