#pragma once

#include "soundservice.h"

#include <QSoundEffect>

#include <memory>
#include <optional>

namespace SoundModule {
class Effects;
}

// Plays the game's sounds through QSoundEffect, in a module loaded when the
// first game opens. Without the module every sound is silent.
class QtSoundService final : public SoundService
{
public:
    QtSoundService();
    ~QtSoundService() override;

    SoundBank &loadGame(const QString &musicDir) override;

    // How a sound of the current game stands: no value when its file was
    // missing; Error when Qt could not read it (it then stays silent).
    std::optional<QSoundEffect::Status> status(GameSound sound) const;

private:
    std::unique_ptr<SoundModule::Effects> m_bank;
};
