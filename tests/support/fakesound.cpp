#include "fakesound.h"

QStringList FakeSoundService::plays(bool backgroundsOnly) const
{
    QStringList out;
    for (const QString &call : calls) {
        const QString sound = call.mid(5);
        const bool background = QStringList{"first_bg", "second_bg", "final_bg"}.contains(sound);
        if (call.startsWith(QLatin1String("play ")) && (background || !backgroundsOnly))
            out << sound;
    }
    return out;
}

bool FakeSoundService::backgroundPlaying() const
{
    for (GameSound sound : playing) {
        if (GameSounds::isBackground(sound))
            return true;
    }
    return false;
}
