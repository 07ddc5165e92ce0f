#include "saferewrite.h"

#include <QFileInfo>
#include <QSaveFile>

namespace SafeRewrite {

namespace {

const InjectedFault *g_fault = nullptr;

} // namespace

InjectedFault::InjectedFault(Step step)
    : m_previous(g_fault)
    , m_step(step)
{
    g_fault = this;
}

InjectedFault::~InjectedFault()
{
    g_fault = m_previous;
}

bool replace(const QString &path, QByteArrayView bytes, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    auto failed = [&](const QString &what, const QString &why) {
        if (error)
            *error = QStringLiteral("%1 \"%2\": %3").arg(what, name, why);
        return false;
    };
    const bool failWrite = g_fault && g_fault->m_step == Step::Write;
    const bool failCommit = g_fault && g_fault->m_step == Step::Commit;

    QSaveFile file(path);
    // Writing straight into the file would defeat the point.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("Could not create a new copy of"), file.errorString());
    if (failWrite || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString why = failWrite ? QStringLiteral("injected fault")
                                      : file.errorString();
        file.cancelWriting(); // commit() now discards the temporary
        file.commit();
        return failed(QStringLiteral("Could not write the new copy of"), why);
    }
    if (failCommit)
        file.cancelWriting();
    // commit() syncs the temporary to disk before renaming it into place.
    if (!file.commit()) {
        return failed(QStringLiteral("Could not replace"),
                      failCommit ? QStringLiteral("injected fault") : file.errorString());
    }
    return true;
}

} // namespace SafeRewrite
