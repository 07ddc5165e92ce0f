#include "qtsoundservice.h"

#include "soundmodule.h"
#include "storage/installlayout.h"
#include "wavcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

class SilentEffects final : public SoundModule::Effects
{
public:
    int status(GameSound) const override { return -1; }
    void play(GameSound) override {}
    void stop(GameSound) override {}
};

// The module sits beside the program, or where the package puts it; a
// program run from the build tree also finds the one built there. Loaded
// once and never unloaded, as the effects it makes may outlive any one
// service.
SoundModule::CreateFunction createFunction()
{
    static const SoundModule::CreateFunction create = [] {
        QStringList dirs = InstallLayout::moduleDirs(QCoreApplication::applicationDirPath());
#ifdef QUORVANE_BUILD_PROGRAM_DIR
        dirs << QStringLiteral(QUORVANE_BUILD_PROGRAM_DIR);
#endif
        for (const QString &dir : dirs) {
            QLibrary module(QDir(dir).filePath(QLatin1String(SoundModule::FILE_NAME)));
            if (auto found = reinterpret_cast<SoundModule::CreateFunction>(
                    module.resolve(SoundModule::CREATE)))
                return found;
        }
        return SoundModule::CreateFunction(nullptr);
    }();
    return create;
}

} // namespace

QtSoundService::QtSoundService() = default;
QtSoundService::~QtSoundService() = default;

SoundBank &QtSoundService::loadGame(const QString &musicDir)
{
    m_bank.reset(); // the previous game's sounds stop here
    QList<SoundModule::SoundFile> files;
    for (GameSound sound : GameSounds::ALL) {
        const QString path = QDir(musicDir).filePath(GameSounds::fileName(sound));
        if (!QFileInfo(path).isFile())
            continue;
        // A header that promises more than the file holds would hang Qt.
        if (const QString problem = WavCheck::problemWithFile(path); !problem.isEmpty()) {
            qWarning("Quorvane: %s: %s; it stays silent.", qPrintable(QDir::toNativeSeparators(path)),
                     qPrintable(problem));
            continue;
        }
        files.append({sound, path, GameSounds::isBackground(sound)});
    }
    if (const SoundModule::CreateFunction create = createFunction())
        m_bank.reset(create(files));
    else
        m_bank = std::make_unique<SilentEffects>();
    return *m_bank;
}

std::optional<QSoundEffect::Status> QtSoundService::status(GameSound sound) const
{
    const int status = m_bank ? m_bank->status(sound) : -1;
    if (status < 0)
        return std::nullopt;
    return QSoundEffect::Status(status);
}
