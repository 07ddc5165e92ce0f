#include "filewatch.h"

#include "systemio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

// Watchers of watches that have ended, emptied, kept for the next watch:
// closing a watcher makes the system wait until its watches are released,
// often several milliseconds, which a screen closing as the next one opens
// must not add; an emptied watcher only waits for its next paths. The
// program's end closes them.
QList<QPointer<QFileSystemWatcher>> &spareWatchers()
{
    static QList<QPointer<QFileSystemWatcher>> spares;
    return spares;
}

QFileSystemWatcher *takeWatcher()
{
    while (!spareWatchers().isEmpty()) {
        if (QFileSystemWatcher *spare = spareWatchers().takeLast())
            return spare;
    }
    return new QFileSystemWatcher(QCoreApplication::instance());
}

} // namespace

FileWatch::FileWatch(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(QFileInfo(path).absoluteFilePath())
    , m_folder(QFileInfo(m_path).absolutePath())
    , m_watcher(takeWatcher())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SETTLE_MS);
    connect(&m_settle, &QTimer::timeout, this, &FileWatch::settle);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::noticed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileWatch::noticed);
    m_seen = identityOf(m_path);
    rewatch();
}

FileWatch::~FileWatch()
{
    if (const QStringList watched = m_watcher->files() + m_watcher->directories(); !watched.isEmpty())
        m_watcher->removePaths(watched);
    // Without a program around it, there is no end of the program to close it.
    if (m_watcher->parent())
        spareWatchers().append(m_watcher);
    else
        delete m_watcher;
}

FileWatch::Identity FileWatch::identityOf(const QString &path)
{
    SystemIo::Status st;
    if (!SystemIo::statusAt(path, st))
        return {};
    return {true, st.inode, st.kind == SystemIo::Status::Kind::Folder ? 0 : quint64(st.size)};
}

// The first report of a burst starts the wait; the rest fall inside it.
void FileWatch::noticed(const QString &path)
{
    if (path == m_path)
        m_touched = true;
    if (!m_settle.isActive())
        m_settle.start();
}

void FileWatch::settle()
{
    const Identity now = identityOf(m_path);
    const bool changed = m_touched || now != m_seen;
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (now.inode != m_seen.inode || !watched.contains(m_path) || !watched.contains(m_folder))
        rewatch();
    m_touched = false;
    m_seen = now;
    if (changed)
        emit this->changed();
}

// A watch follows the file, not its name: once a renamed copy has taken the
// name, or the file has gone and come back, the name is watched afresh.
void FileWatch::rewatch()
{
    for (const QString &path : {m_folder, m_path}) {
        m_watcher->removePath(path);
        if (QFileInfo::exists(path))
            m_watcher->addPath(path);
    }
}
