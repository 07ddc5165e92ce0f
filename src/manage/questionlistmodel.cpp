#include "questionlistmodel.h"

#include "storage/cp1252.h"
#include "storage/fixedtext.h"
#include "storage/ladder.h"
#include "storage/questionrecord.h"
#include "storage/questionset.h"

#include <QFileInfo>

namespace {

constexpr int kWidth = QuestionRecord::QUESTION_WIDTH;

} // namespace

void QuestionListModel::fill(const QString &path, QString *error)
{
    beginResetModel();
    m_rows.clear();
    // Room for every record, so that the buffers never move while filling.
    const qint64 records = QFileInfo(path).size() / QuestionRecord::LENGTH;
    m_rows.reserve(records);
    m_questions.resize(0);
    m_questions.reserve(records * kWidth);
    QuestionSet(path).forEachListed(
        [&](int n, QByteArrayView raw) {
            m_rows.append({n, QuestionRecord::roundOf(raw), raw.at(QuestionRecord::RIGHT_AT)});
            m_questions.append(raw.data() + QuestionRecord::QUESTION_AT, kWidth);
        },
        error);
    endResetModel();
}

QString QuestionListModel::round(int index) const
{
    return Ladder::amount(m_rows.at(index).round);
}

QString QuestionListModel::question(int index) const
{
    return Cp1252::decode(QByteArrayView(m_questions).sliced(qsizetype(index) * kWidth, kWidth));
}

QString QuestionListModel::right(int index) const
{
    const char right = m_rows.at(index).right;
    return FixedText::trimSpaces(Cp1252::decode(QByteArrayView(&right, 1)).toUpper());
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
    // Long questions do not fit their column; the tooltip shows them whole.
    if (role == Qt::ToolTipRole && index.column() == QuestionColumn)
        return question(index.row()).trimmed();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case RoundColumn:
        return round(index.row());
    case QuestionColumn:
        return question(index.row());
    case RightColumn:
        return right(index.row());
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
