#include "testprogram.h"

#include <QApplication>
#include <QDir>
#include <QFile>

TestProgram::TestProgram()
{
    Q_ASSERT(m_dir.isValid());
    state.folders.programDir = m_dir.path();
    QDir().mkpath(state.folders.questionsDir());
    services.dialogs = &dialogs;
    services.random = &random;
    services.sound = &sound;
    services.printer = &printer;
    services.settings = &settings;
}

// The screens a test leaves open are its own and close as a user would close
// them; whatever is still there afterwards has leaked (see windowsLeft()).
TestProgram::~TestProgram()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestProgram::writeFile(const QString &fileName, const QByteArray &bytes) const
{
    const QString path = setPath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test set %s", qPrintable(path));
    return path;
}

QByteArray TestProgram::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestProgram::closeAllWindows()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        w->close();
        w->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList TestProgram::windowsLeft()
{
    QStringList left;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return left;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets())
        left << QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName();
    return left;
}

QWidget *TestProgram::visibleWindow(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

QByteArray TestProgram::bytesOf(const QList<QuestionRecord> &records)
{
    QByteArray bytes;
    for (const QuestionRecord &r : records)
        bytes += r.toBytes();
    return bytes;
}

QuestionRecord makeQuestion(int round, int number, const QString &question, const QString &right)
{
    return {qint16(round), qint16(number), question, QStringLiteral("ANSWER A"),
            QStringLiteral("ANSWER B"), QStringLiteral("ANSWER C"), QStringLiteral("ANSWER D"),
            right};
}
