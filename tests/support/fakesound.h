#pragma once

#include "game/soundservice.h"

#include <QSet>
#include <QStringList>

// Its own sound bank: records every call as "load <folder>", "play first_bg"
// or "stop first_bg", and knows which sounds would be playing now.
class FakeSoundService final : public SoundService, public SoundBank
{
public:
    SoundBank &loadGame(const QString &musicDir) override
    {
        calls << QStringLiteral("load ") + musicDir;
        playing.clear();
        return *this;
    }
    void play(GameSound sound) override
    {
        calls << QStringLiteral("play ") + GameSounds::name(sound);
        playing.insert(sound);
    }
    void stop(GameSound sound) override
    {
        calls << QStringLiteral("stop ") + GameSounds::name(sound);
        playing.remove(sound);
    }

    // The sounds played, in order ("first_bg", "ask", ...); only the
    // background tracks when asked.
    QStringList plays(bool backgroundsOnly = false) const;
    bool backgroundPlaying() const;

    QStringList calls;
    // Sounds started and not stopped since; one-shots stay until stopped too.
    QSet<GameSound> playing;
};
