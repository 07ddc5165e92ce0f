#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells a screen when another program has changed what it shows: a set file
// (written in place, replaced by a renamed copy, removed or made again) or a
// folder's entries. The reports of a burst, such as a large rewrite's, are
// told together a moment after the first; a change to a set's folder that
// leaves the set itself alone (a copy being written beside it) is not told.
class FileWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr int SETTLE_MS = 100;

    // Watches path, a file or a folder, and the folder that holds it, which
    // sees it replaced, removed or made again.
    explicit FileWatch(const QString &path, QObject *parent = nullptr);
    ~FileWatch() override;

signals:
    void changed();

private:
    // Which file the name leads to, and how long it is; times are left out,
    // since asking for them makes the system stamp the next write finely.
    struct Identity
    {
        bool exists = false;
        quint64 inode = 0;
        quint64 size = 0;
        bool operator==(const Identity &) const = default;
    };
    static Identity identityOf(const QString &path);
    void noticed(const QString &path);
    void settle();
    void rewatch();

    QString m_path;
    QString m_folder;
    // Handed on to the next watch when this one ends (see the destructor).
    QFileSystemWatcher *m_watcher;
    QTimer m_settle;
    Identity m_seen;
    bool m_touched = false; // the path itself reported a change
};
