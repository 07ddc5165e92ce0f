#pragma once

#include "soundservice.h"

#include <memory>

// Plays the game's sounds through QSoundEffect.
class QtSoundService final : public SoundService
{
public:
    QtSoundService();
    ~QtSoundService() override;

    SoundBank &loadGame(const QString &musicDir) override;

private:
    std::unique_ptr<SoundBank> m_bank;
};
