#include "qtsoundservice.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <map>

namespace {
constexpr qint64 MIN_WAV_BYTES = 44;
} // namespace

// Each sound is a QSoundEffect that was given its file once. A missing file,
// or one too short for a WAV header, gets no effect at all; a file Qt cannot
// decode leaves its effect in the Error status; without an output device
// QSoundEffect plays nothing. Each case is silence for that sound alone.
class QtSoundBank final : public SoundBank
{
public:
    std::optional<QSoundEffect::Status> status(GameSound sound) const
    {
        const auto it = m_effects.find(sound);
        if (it == m_effects.end())
            return std::nullopt;
        return it->second->status();
    }

    explicit QtSoundBank(const QString &musicDir)
    {
        for (GameSound sound : GameSounds::ALL) {
            const QString path = QDir(musicDir).filePath(GameSounds::fileName(sound));
            // Too short for a WAV header: Qt would wait for the rest forever.
            if (!QFileInfo(path).isFile() || QFileInfo(path).size() < MIN_WAV_BYTES)
                continue;
            auto effect = std::make_unique<QSoundEffect>();
            effect->setLoopCount(GameSounds::isBackground(sound) ? QSoundEffect::Infinite : 1);
            effect->setSource(QUrl::fromLocalFile(path));
            m_effects[sound] = std::move(effect);
        }
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

QtSoundService::QtSoundService() = default;
QtSoundService::~QtSoundService() = default;

SoundBank &QtSoundService::loadGame(const QString &musicDir)
{
    m_bank.reset(); // the previous game's sounds stop here
    m_bank = std::make_unique<QtSoundBank>(musicDir);
    return *m_bank;
}

std::optional<QSoundEffect::Status> QtSoundService::status(GameSound sound) const
{
    return m_bank ? m_bank->status(sound) : std::nullopt;
}
