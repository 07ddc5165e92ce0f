#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a whole file without ever leaving it half written: the new bytes go
// to a temporary file in the same folder, are flushed to disk, and the
// temporary then takes the file's name in one atomic rename.
namespace SafeRewrite {

// On failure the file at path is untouched, no temporary is left behind and
// error (when given) says what went wrong.
bool replace(const QString &path, QByteArrayView bytes, QString *error = nullptr);

enum class Step { Write, Commit };

// Makes one step of every replace() fail, as a full disk or a refused rename
// would, while the object lives. For tests of the failure paths.
class InjectedFault
{
public:
    explicit InjectedFault(Step step);
    ~InjectedFault();
    InjectedFault(const InjectedFault &) = delete;
    InjectedFault &operator=(const InjectedFault &) = delete;

private:
    const InjectedFault *m_previous = nullptr;
    Step m_step;
    friend bool replace(const QString &, QByteArrayView, QString *);
};

} // namespace SafeRewrite
