#include "settings.h"

#include <QSettings>

#include <cmath>

namespace {

const QString kMusic = QStringLiteral("game/music");
const QString kPlayer = QStringLiteral("game/player");
const QString kSet = QStringLiteral("start/set");

QString windowKey(const QString &window, const char *what)
{
    return QStringLiteral("windows/%1/%2").arg(window, QLatin1String(what));
}

// Longer than any name the program takes: anything longer was not written by it.
constexpr int kLongestText = 1000;

} // namespace

Settings::Settings(const QString &filePath)
    : m_path(filePath)
{
}

QVariant Settings::read(const QString &key) const
{
    const QSettings file(m_path, QSettings::IniFormat);
    // A half-parsed file may give any value under any key: none is believed.
    return file.status() == QSettings::NoError ? file.value(key) : QVariant();
}

QString Settings::readText(const QString &key) const
{
    const QVariant value = read(key);
    if (value.typeId() != QMetaType::QString || value.toString().size() > kLongestText)
        return {};
    return value.toString();
}

void Settings::write(const QList<std::pair<QString, QVariant>> &values)
{
    QSettings file(m_path, QSettings::IniFormat);
    // A file that did not parse is replaced, not mended with its garbage kept.
    if (file.status() != QSettings::NoError)
        file.clear();
    // A value already stored is not written again: a window closed where it
    // stood leaves the file, and the disk, alone.
    for (const auto &[key, value] : values) {
        QVariant stored = file.value(key);
        if (!stored.convert(value.metaType()) || stored != value)
            file.setValue(key, value);
    }
    // Written now, so that a crash later loses nothing; a file that cannot be
    // written leaves the program as it was, remembering nothing.
    file.sync();
}

bool Settings::musicOn() const
{
    // The file is text: only what setMusicOn writes counts.
    return read(kMusic).toString() != QLatin1String("false");
}

void Settings::setMusicOn(bool on)
{
    write({{kMusic, on}});
}

QString Settings::lastSet() const
{
    return readText(kSet);
}

void Settings::setLastSet(const QString &setName)
{
    write({{kSet, setName}});
}

QString Settings::lastPlayer() const
{
    return readText(kPlayer);
}

void Settings::setLastPlayer(const QString &name)
{
    write({{kPlayer, name}});
}

std::optional<qreal> Settings::windowZoom(const QString &window) const
{
    bool ok = false;
    // A number, or text that reads as one.
    const qreal zoom = read(windowKey(window, "zoom")).toDouble(&ok);
    // How large a window may be is the screen's business; this is only sense.
    if (!ok || !std::isfinite(zoom) || zoom <= 0)
        return std::nullopt;
    return zoom;
}

std::optional<QRect> Settings::windowPlace(const QString &window,
                                           const QList<QRect> &areas) const
{
    const QVariant value = read(windowKey(window, "place"));
    if (value.typeId() != QMetaType::QRect)
        return std::nullopt;
    const QRect place = value.toRect();
    for (const QRect &area : areas) {
        if (!place.isEmpty() && area.contains(place))
            return place;
    }
    return std::nullopt;
}

void Settings::setWindow(const QString &window, qreal zoom, const QRect &place)
{
    write({{windowKey(window, "zoom"), zoom}, {windowKey(window, "place"), place}});
}
