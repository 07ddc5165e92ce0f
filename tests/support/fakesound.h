#pragma once

#include "game/soundservice.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

// Records every sound call as "load <folder>", "play first_bg" or
// "stop first_bg", and knows which sounds would be playing now.
class FakeSoundService final : public SoundService
{
public:
    SoundBank &loadGame(const QString &musicDir) override;

    QStringList calls;
    // Sounds started and not stopped since; one-shots stay until stopped too.
    QSet<GameSound> playing;
    int loads = 0;

    // Only the "play ..." calls, in order.
    QStringList plays() const;
    // The backgrounds started, in order ("first_bg", ...).
    QStringList backgroundsStarted() const;
    bool backgroundPlaying() const;

private:
    std::unique_ptr<SoundBank> m_bank;
};
