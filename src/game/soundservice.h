#pragma once

#include <QString>

#include <array>

// The nine sounds of a game, named after their files in the Music folder.
enum class GameSound {
    first_bg,
    second_bg,
    final_bg,
    win_bg,
    lose_bg,
    take_bg,
    fifty,
    ask,
    ring,
};

namespace GameSounds {

constexpr std::array<GameSound, 9> ALL = {
    GameSound::first_bg, GameSound::second_bg, GameSound::final_bg,
    GameSound::win_bg,   GameSound::lose_bg,   GameSound::take_bg,
    GameSound::fifty,    GameSound::ask,       GameSound::ring,
};

// "first_bg" and so on.
QString name(GameSound sound);
// "first_bg.wav" and so on.
QString fileName(GameSound sound);
// The three background tracks loop; the others play once.
bool isBackground(GameSound sound);

} // namespace GameSounds

// One game's sounds, loaded when the game screen opens. During play they are
// only started and stopped. A sound that could not be loaded is silent.
class SoundBank
{
public:
    virtual ~SoundBank() = default;

    // Starts the sound from its beginning: a background loops until stopped,
    // any other sound plays once.
    virtual void play(GameSound sound) = 0;
    // Harmless when the sound is not playing.
    virtual void stop(GameSound sound) = 0;
};

// Makes the sound bank of each game.
class SoundService
{
public:
    virtual ~SoundService() = default;

    // Loads the nine sounds from the given Music folder. The bank belongs to
    // the service and stays alive until the next game's bank replaces it, so
    // an end-of-game sound can ring on after the game screen has closed.
    // Never fails: missing or unreadable files and a missing sound device
    // give silent sounds.
    virtual SoundBank &loadGame(const QString &musicDir) = 0;
};
