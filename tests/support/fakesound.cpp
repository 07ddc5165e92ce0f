#include "fakesound.h"

namespace {

class FakeBank final : public SoundBank
{
public:
    explicit FakeBank(FakeSoundService &service) : m_service(service) {}

    void play(GameSound sound) override
    {
        m_service.calls << QStringLiteral("play ") + GameSounds::name(sound);
        m_service.playing.insert(sound);
    }

    void stop(GameSound sound) override
    {
        m_service.calls << QStringLiteral("stop ") + GameSounds::name(sound);
        m_service.playing.remove(sound);
    }

private:
    FakeSoundService &m_service;
};

} // namespace

SoundBank &FakeSoundService::loadGame(const QString &musicDir)
{
    ++loads;
    calls << QStringLiteral("load ") + musicDir;
    playing.clear();
    m_bank = std::make_unique<FakeBank>(*this);
    return *m_bank;
}

QStringList FakeSoundService::plays() const
{
    QStringList out;
    for (const QString &c : calls) {
        if (c.startsWith(QLatin1String("play ")))
            out << c.mid(5);
    }
    return out;
}

QStringList FakeSoundService::backgroundsStarted() const
{
    QStringList out;
    for (const QString &p : plays()) {
        if (p == QLatin1String("first_bg") || p == QLatin1String("second_bg") ||
            p == QLatin1String("final_bg"))
            out << p;
    }
    return out;
}

bool FakeSoundService::backgroundPlaying() const
{
    return playing.contains(GameSound::first_bg) || playing.contains(GameSound::second_bg) ||
           playing.contains(GameSound::final_bg);
}
