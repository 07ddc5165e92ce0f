#pragma once

#include "soundservice.h"

#include <QList>
#include <QString>

// Qt Multimedia, and the sound system beneath it, take a good part of the
// program's start-up to load. The sound effects therefore live in a module of
// their own that is loaded when the first game opens.
namespace SoundModule {

// The module's file name, without the platform's suffix.
inline constexpr char FILE_NAME[] = "quorvane_sound";
// The name of its CreateFunction.
inline constexpr char CREATE[] = "quorvane_create_sound_effects";

struct SoundFile
{
    GameSound sound;
    QString path;
    bool loops = false;
};

// One game's sounds, as the module plays them.
class Effects : public SoundBank
{
public:
    // The QSoundEffect::Status of a sound, or -1 when it has no effect.
    virtual int status(GameSound sound) const = 0;
};

// Makes the effects for the given files; the caller owns the result.
using CreateFunction = Effects *(*)(const QList<SoundFile> &files);

} // namespace SoundModule
