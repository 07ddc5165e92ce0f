#include "managerhelpers.h"

#include "manage/questionmanager.h"

#include <QDir>
#include <QTest>
#include <QTreeView>

namespace ManagerHelpers {

QuestionManager *openManager(TestProgram &program, const QList<QuestionRecord> &records,
                   const QString &fileName)
{
    program.state.set_path = program.writeSet(fileName, records);
    program.state.record_count = int(records.size());
    auto *form = new QuestionManager(program.state, program.services);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

void pickRow(QuestionManager *form, int row)
{
    QTreeView *list = form->ListView1;
    const QModelIndex index = list->model()->index(row, 1);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

QStringList column(const QuestionManager *form, int column)
{
    const QAbstractItemModel *model = form->ListView1->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, column).data().toString();
    return out;
}

QList<QuestionRecord> readRecords(const QString &path)
{
    QFile file(path);
    QList<QuestionRecord> out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 0; at + QuestionRecord::LENGTH <= bytes.size(); at += QuestionRecord::LENGTH)
        out << QuestionRecord::fromBytes(QByteArrayView(bytes).sliced(at, QuestionRecord::LENGTH));
    return out;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace ManagerHelpers
