#include "questionlistmodel.h"

#include "storage/cp1252.h"
#include "storage/fixedtext.h"
#include "storage/ladder.h"
#include "storage/questionrecord.h"
#include "storage/setfile.h"

namespace {

// Records numbered this high are the header (or act like it) and are not listed.
constexpr int kFirstUnlistedNumber = 9000;

} // namespace

void QuestionListModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void QuestionListModel::fill(const QString &path, QString *error)
{
    const QStringList amounts = Ladder::amounts();
    QList<Row> rows;
    SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            const int round = QuestionRecord::roundOf(raw);
            if (QuestionRecord::numberOf(raw) >= kFirstUnlistedNumber || round < 1 || round > 15)
                return true;
            const QByteArrayView question =
                raw.sliced(QuestionRecord::QUESTION_AT, QuestionRecord::QUESTION_WIDTH);
            const QByteArrayView right =
                raw.sliced(QuestionRecord::RIGHT_AT, QuestionRecord::RIGHT_WIDTH);
            rows.append({n, amounts.at(round - 1), Cp1252::decode(question),
                         FixedText::trimSpaces(Cp1252::decode(right).toUpper())});
            return true;
        },
        error);
    setRows(std::move(rows));
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
