#include "questionlistmodel.h"

#include "storage/cp1252.h"
#include "storage/fixedtext.h"
#include "storage/ladder.h"
#include "storage/questionrecord.h"
#include "storage/questionset.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

constexpr int kWidth = QuestionRecord::QUESTION_WIDTH;

} // namespace

void QuestionListModel::fill(const QString &path, QString *error)
{
    beginResetModel();
    m_path = path;
    m_search = QuestionSearch(); // read afresh when next searched
    // Room for every record, written in place; a file that has grown since
    // it was measured gets more as it goes.
    const qint64 records = QFileInfo(path).size() / QuestionRecord::LENGTH;
    m_rows.resize(records);
    m_questions.resize(records * kWidth);
    qsizetype count = 0;
    QuestionSet(path).forEachQuestion(
        [&](int n, QByteArrayView raw) {
            if (count == m_rows.size()) {
                m_rows.resize(count * 2 + 1);
                m_questions.resize(m_rows.size() * kWidth);
            }
            const QByteArrayView question = raw.sliced(QuestionRecord::QUESTION_AT, kWidth);
            m_rows.data()[count] = {n, QuestionRecord::roundOf(raw),
                                    raw.at(QuestionRecord::RIGHT_AT),
                                    QuestionSearch::sortKey(question)};
            std::memcpy(m_questions.data() + count * kWidth, question.data(), kWidth);
            ++count;
        },
        error);
    m_rows.resize(count);
    m_questions.resize(count * kWidth);
    if (!m_filter.isEmpty())
        m_search.build(path, error);
    arrange();
    endResetModel();
}

void QuestionListModel::setFilter(const QString &text, QString *error)
{
    beginResetModel();
    m_filter = text;
    if (!text.isEmpty() && !m_search.isBuilt())
        m_search.build(m_path, error);
    refilter(); // the order stays as it is
    endResetModel();
}

void QuestionListModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    arrange();
    endResetModel();
}

QByteArrayView QuestionListModel::questionBytes(int rowIndex) const
{
    return QByteArrayView(m_questions).sliced(qsizetype(rowIndex) * kWidth, kWidth);
}

bool QuestionListModel::rowShows(int rowIndex, QByteArrayView record) const
{
    const Row &r = m_rows.at(rowIndex);
    return record.size() == QuestionRecord::LENGTH && r.round == QuestionRecord::roundOf(record)
           && r.right == record.at(QuestionRecord::RIGHT_AT)
           && questionBytes(rowIndex) == record.sliced(QuestionRecord::QUESTION_AT, kWidth);
}

bool QuestionListModel::shows(int index, QByteArrayView record) const
{
    return rowShows(m_shown.at(index), record);
}

QList<int> QuestionListModel::recordsShowing(QByteArrayView record) const
{
    QList<int> found;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (rowShows(i, record))
            found << m_rows[i].record;
    }
    return found;
}

int QuestionListModel::shownIndexOf(int record) const
{
    for (int i = 0; i < m_shown.size(); ++i) {
        if (m_rows[m_shown[i]].record == record)
            return i;
    }
    return -1;
}

// Puts the rows in the chosen order.
void QuestionListModel::arrange()
{
    m_sorted.resize(m_rows.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    auto sign = [&](int c) { return m_sortOrder == Qt::AscendingOrder ? c : -c; };
    auto compare = [&](int a, int b) {
        switch (m_sortColumn) {
        case RoundColumn:
            return m_rows[a].round - m_rows[b].round;
        case QuestionColumn:
            if (m_rows[a].key != m_rows[b].key)
                return m_rows[a].key < m_rows[b].key ? -1 : 1;
            return QuestionSearch::compare(questionBytes(a), questionBytes(b));
        case RightColumn:
            return int(QChar::toUpper(uchar(m_rows[a].right)))
                   - int(QChar::toUpper(uchar(m_rows[b].right)));
        default:
            return 0;
        }
    };
    // Stable, so equal rows keep their file order either way round.
    if (m_sortColumn >= 0)
        std::stable_sort(m_sorted.begin(), m_sorted.end(),
                         [&](int a, int b) { return sign(compare(a, b)) < 0; });
    refilter();
}

// Keeps the rows, in their order, that the search finds.
void QuestionListModel::refilter()
{
    if (m_filter.isEmpty()) {
        m_shown = m_sorted;
        return;
    }
    const QList<bool> held = m_search.recordsHolding(QuestionSearch::fold(m_filter));
    m_shown.clear();
    for (const int i : std::as_const(m_sorted)) {
        const int record = m_rows[i].record;
        if (record < held.size() && held[record])
            m_shown.append(i);
    }
}

QString QuestionListModel::round(int index) const
{
    return Ladder::amount(row(index).round);
}

QString QuestionListModel::question(int index) const
{
    return Cp1252::decode(questionBytes(m_shown.at(index)));
}

QString QuestionListModel::right(int index) const
{
    const char right = row(index).right;
    return FixedText::trimSpaces(Cp1252::decode(QByteArrayView(&right, 1)).toUpper());
}

int QuestionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int QuestionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    // Long questions do not fit their column; the tooltip shows them whole.
    // Neither it nor a screen reader has any use for the padding.
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        && index.column() == QuestionColumn)
        return FixedText::trimSpaces(question(index.row()));
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
    // A first click on a column sorts it from A to Z, from £100 up.
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder;
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case RoundColumn:
        return tr("Round");
    case QuestionColumn:
        return tr("Question");
    case RightColumn:
        return tr("Right");
    default:
        return {};
    }
}
