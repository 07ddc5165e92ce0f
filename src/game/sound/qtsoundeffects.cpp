// The sound module: the game's sounds through QSoundEffect. Loaded by
// QtSoundService when the first game opens (see soundmodule.h).
#include "game/soundmodule.h"

#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

namespace {

// Each sound is a QSoundEffect that was given its file once. A sound without
// a file gets no effect at all; a file Qt cannot decode leaves its effect in
// the Error status; without an output device QSoundEffect plays nothing.
// Each case is silence for that sound alone.
class QtSoundEffects final : public SoundModule::Effects
{
public:
    explicit QtSoundEffects(const QList<SoundModule::SoundFile> &files)
    {
        for (const SoundModule::SoundFile &file : files) {
            auto effect = std::make_unique<QSoundEffect>();
            effect->setLoopCount(file.loops ? QSoundEffect::Infinite : 1);
            effect->setSource(QUrl::fromLocalFile(file.path));
            m_effects[file.sound] = std::move(effect);
        }
    }

    int status(GameSound sound) const override
    {
        const auto it = m_effects.find(sound);
        return it == m_effects.end() ? -1 : int(it->second->status());
    }

    void play(GameSound sound) override
    {
        if (QSoundEffect *effect = usable(sound)) {
            // Stopping first makes the next play start from the beginning.
            effect->stop();
            effect->play();
        }
    }

    void stop(GameSound sound) override
    {
        if (QSoundEffect *effect = usable(sound))
            effect->stop();
    }

private:
    QSoundEffect *usable(GameSound sound) const
    {
        const auto it = m_effects.find(sound);
        if (it == m_effects.end() || it->second->status() == QSoundEffect::Error)
            return nullptr;
        return it->second.get();
    }

    std::map<GameSound, std::unique_ptr<QSoundEffect>> m_effects;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundModule::Effects *
quorvane_create_sound_effects(const QList<SoundModule::SoundFile> &files)
{
    return new QtSoundEffects(files);
}
