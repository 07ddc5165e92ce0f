#include "managerhelpers.h"

#include "manage/questionmanager.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

namespace ManagerHelpers {

QuestionManager *openManager(TestProgram &program, const QList<QuestionRecord> &records,
                             const QString &fileName)
{
    program.state.set.path = program.writeSet(fileName, records);
    auto *form = new QuestionManager(program.state.set.path, program.services);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

void pickRow(QWidget *manager, int row)
{
    auto *list = control<QTreeView>(manager, QStringLiteral("ListView1"));
    const QModelIndex index = list->model()->index(row, 1);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

QStringList column(const QWidget *manager, int column)
{
    const QAbstractItemModel *model =
        control<QTreeView>(manager, QStringLiteral("ListView1"))->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, column).data().toString();
    return out;
}

void typeQuestion(const QWidget *mainWindow, const QString &question, int right, int round,
                  const QString &password)
{
    control<QLineEdit>(mainWindow, QStringLiteral("txt_q"))->setText(question);
    for (int i = 0; i < 4; ++i)
        control<QLineEdit>(mainWindow, QStringLiteral("txt_a%1").arg(i + 1))
            ->setText(QStringLiteral("answer %1").arg(QChar(u'a' + i)));
    if (right >= 0)
        click(mainWindow, QStringLiteral("opt_%1").arg(QChar(u'a' + right)));
    control<QComboBox>(mainWindow, QStringLiteral("cmb_round"))->setCurrentIndex(round);
    control<QLineEdit>(mainWindow, QStringLiteral("txt_pass"))->setText(password);
}

QList<QuestionRecord> readRecords(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QList<QuestionRecord> out;
    for (qsizetype at = 0; at + QuestionRecord::LENGTH <= bytes.size(); at += QuestionRecord::LENGTH)
        out << QuestionRecord::fromBytes(QByteArrayView(bytes).sliced(at, QuestionRecord::LENGTH));
    return out;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace ManagerHelpers
