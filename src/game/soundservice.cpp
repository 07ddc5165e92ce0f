#include "soundservice.h"

namespace GameSounds {

QString name(GameSound sound)
{
    switch (sound) {
    case GameSound::first_bg: return QStringLiteral("first_bg");
    case GameSound::second_bg: return QStringLiteral("second_bg");
    case GameSound::final_bg: return QStringLiteral("final_bg");
    case GameSound::win_bg: return QStringLiteral("win_bg");
    case GameSound::lose_bg: return QStringLiteral("lose_bg");
    case GameSound::take_bg: return QStringLiteral("take_bg");
    case GameSound::fifty: return QStringLiteral("fifty");
    case GameSound::ask: return QStringLiteral("ask");
    case GameSound::ring: return QStringLiteral("ring");
    }
    return {};
}

QString fileName(GameSound sound)
{
    return name(sound) + QLatin1String(".wav");
}

bool isBackground(GameSound sound)
{
    return sound == GameSound::first_bg || sound == GameSound::second_bg ||
           sound == GameSound::final_bg;
}

} // namespace GameSounds
