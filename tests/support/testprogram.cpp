#include "testprogram.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

TestProgram::TestProgram()
{
    Q_ASSERT(m_dir.isValid());
    state.program_dir = m_dir.path();
    QDir().mkpath(state.questionsDir());
    services.dialogs = &dialogs;
    services.random = &random;
    services.sound = &sound;
    services.printer = &printer;
}

TestProgram::~TestProgram()
{
    closeAllWindows();
}

QString TestProgram::setPath(const QString &fileName) const
{
    return questionsDir() + QLatin1Char('/') + fileName;
}

QString TestProgram::writeSet(const QString &fileName, const QList<QuestionRecord> &records) const
{
    QByteArray bytes;
    for (const QuestionRecord &r : records)
        bytes += r.toBytes();
    const QString path = setPath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test set %s", qPrintable(path));
    return path;
}

QByteArray TestProgram::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
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

QuestionRecord makeQuestion(int round, int number, const QString &question, const QString &right)
{
    QuestionRecord r;
    r.round = qint16(round);
    r.number = qint16(number);
    r.question = question;
    r.answer_a = QStringLiteral("ANSWER A");
    r.answer_b = QStringLiteral("ANSWER B");
    r.answer_c = QStringLiteral("ANSWER C");
    r.answer_d = QStringLiteral("ANSWER D");
    r.right_answer = right;
    return r;
}

QuestionRecord makeHeader(const QString &message, const QString &creator, const QString &password)
{
    return QuestionRecord::header(message, creator, password);
}
