#include "gamerules.h"

#include "randomsource.h"
#include "storage/ladder.h"

#include <QCoreApplication>

namespace GameRules {

const QStringList &letters()
{
    static const QStringList all = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                    QStringLiteral("d")};
    return all;
}

bool counts(const GameState &game, GamePress press, const QString &letter)
{
    if (game.phase != GamePhase::Asking)
        return false;
    if (press == GamePress::Answer)
        return letters().contains(letter) && !game.removed.contains(letter);
    return true;
}

QString winnings(int level)
{
    return level == 0 ? QStringLiteral("£0") : Ladder::amount(level);
}

int guaranteedStep(int level)
{
    if (level < 5)
        return 0;
    return level < 10 ? 5 : 10;
}

QString leavingAmount(int level)
{
    return winnings(guaranteedStep(level));
}

Outcome judge(const QString &letter, const QString &rightLetter, int level)
{
    if (letter != rightLetter)
        return Outcome::Wrong;
    return level < TOP_LEVEL - 1 ? Outcome::Right : Outcome::TopPrize;
}

std::optional<GameSound> stepBackground(int level)
{
    switch (level) {
    case 0: return GameSound::first_bg;
    case 5: return GameSound::second_bg;
    case 10: return GameSound::final_bg;
    default: return std::nullopt;
    }
}

std::optional<GameSound> bandBackground(int level)
{
    if (level >= TOP_LEVEL)
        return std::nullopt;
    return stepBackground(guaranteedStep(level));
}

QStringList fiftyHides(const QString &rightLetter)
{
    if (rightLetter == QLatin1String("a"))
        return {QStringLiteral("b"), QStringLiteral("d")};
    if (rightLetter == QLatin1String("b"))
        return {QStringLiteral("a"), QStringLiteral("c")};
    if (rightLetter == QLatin1String("c"))
        return {QStringLiteral("a"), QStringLiteral("b")};
    if (rightLetter == QLatin1String("d"))
        return {QStringLiteral("c"), QStringLiteral("b")};
    return {};
}

int pollSides(int level)
{
    if (level < 5)
        return 8;
    return level < 10 ? 6 : 5;
}

std::array<qint16, 4> poll(RandomSource &random, int level, const QString &rightLetter)
{
    const int sides = pollSides(level);
    const int right = letters().indexOf(rightLetter);
    std::array<qint16, 4> votes{0, 0, 0, 0};
    for (int i = 0; i < 100; ++i) {
        const int v = random.pick(sides);
        if (right >= 0)
            ++votes[v <= 4 ? v - 1 : right];
    }
    return votes;
}

namespace {

// The g-th (1..3) of the three letters other than the right one, upper case;
// nothing for a right letter that is no letter.
QString wrongGuess(const QString &rightLetter, int g)
{
    if (!letters().contains(rightLetter))
        return {};
    QStringList others = letters();
    others.removeOne(rightLetter);
    return others.at(g - 1).toUpper();
}

} // namespace

QString buddyReply(RandomSource &random, const QString &playerName, const QString &rightLetter)
{
    const int reply = random.pick(7);
    const QString wrong = wrongGuess(rightLetter, random.pick(3));
    const QString right = rightLetter.toUpper();
    const QString think = QCoreApplication::translate("GameRules", "Hi %1, I Think The Answer Is '%2'");
    const QString unsure =
        QCoreApplication::translate("GameRules", "Sorry %1, I'm Not Sure. I'd Guess At '%2'");
    switch (reply) {
    case 1:
    case 5: return think.arg(playerName, right);
    case 2: return think.arg(playerName, wrong);
    case 3: return unsure.arg(playerName, wrong);
    case 4: return unsure.arg(playerName, right);
    case 6: return QCoreApplication::translate("GameRules", "I Haven't A Clue");
    default: return QCoreApplication::translate("GameRules", "The Answer Is '%1'. Definitely").arg(right);
    }
}

} // namespace GameRules
