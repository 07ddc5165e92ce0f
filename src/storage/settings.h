#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

// What the program remembers between runs: music on or off, the last set
// picked, the last player's name, and each window's zoom and place, kept in
// one settings file whose path the program chooses. A file that cannot be
// read or does not parse is as good as none, and every value read back must
// have its type and a sane range, or the default stands.
class Settings
{
public:
    explicit Settings(const QString &filePath);

    QString filePath() const { return m_path; }

    bool musicOn() const;
    void setMusicOn(bool on);
    // Empty when none is remembered.
    QString lastSet() const;
    void setLastSet(const QString &setName);
    QString lastPlayer() const;
    void setLastPlayer(const QString &name);

    // The zoom a window had, when one is remembered.
    std::optional<qreal> windowZoom(const QString &window) const;
    // Where a window stood, only when that lies wholly on one of areas (the
    // room the screens have now): a monitor may have gone since.
    std::optional<QRect> windowPlace(const QString &window, const QList<QRect> &areas) const;
    void setWindow(const QString &window, qreal zoom, const QRect &place);

private:
    // The value stored under key, or an invalid one when the file is unusable.
    QVariant read(const QString &key) const;
    QString readText(const QString &key) const;
    void write(const QList<std::pair<QString, QVariant>> &values);

    QString m_path;
};
