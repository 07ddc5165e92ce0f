#include "questionlistmodel.h"

void QuestionListModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int QuestionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int QuestionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    // Long questions do not fit their column; the tooltip shows them whole.
    if (role == Qt::ToolTipRole && index.column() == QuestionColumn)
        return r.question.trimmed();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case RoundColumn:
        return r.round;
    case QuestionColumn:
        return r.question;
    case RightColumn:
        return r.right;
    default:
        return {};
    }
}

QVariant QuestionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case RoundColumn:
        return QStringLiteral("Round");
    case QuestionColumn:
        return QStringLiteral("Question");
    case RightColumn:
        return QStringLiteral("Right");
    default:
        return {};
    }
}
