#include "fakesound.h"

#include <algorithm>

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
    return std::any_of(playing.begin(), playing.end(), GameSounds::isBackground);
}
