#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

#include "questionsearch.h"

// The rows of the question manager's list: round as its prize, the question
// text as stored and the right letter. Each row remembers the record it came
// from, so a picked row leads back to exactly that record.
class QuestionListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Row
    {
        int record = 0; // record number in the set file
        qint16 round = 0;
        char right = 0; // the right-answer byte as stored
        // Made while the question is at hand: sorting by question then
        // rarely has to go back to the texts of all rows.
        QuestionSearch::SortKey key;
    };

    enum Column { RoundColumn, QuestionColumn, RightColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Refills the rows from the set file: one per question QuestionSet lists
    // (rounds 1 to 15, numbers below its reserved ones), in file order. On a read error the rows read so
    // far stay and error is set.
    // The order and the search are kept.
    void fill(const QString &path, QString *error = nullptr);

    // Shows only the questions whose question or answers hold text, letter
    // case and accents ignored; an empty text shows them all. The texts are
    // read from the file the first time a search needs them.
    void setFilter(const QString &text, QString *error = nullptr);
    // Rows in the list's order: round by ladder order, question
    // alphabetically, right letter; file order until a column is chosen.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // How many questions the set lists, shown or not.
    int totalCount() const { return int(m_rows.size()); }

    // The shown row at index, with the record it came from.
    const Row &row(int index) const { return m_rows.at(m_shown.at(index)); }
    // True when the shown row at index shows the record given as its bytes:
    // its round, its question as stored and its right letter.
    bool shows(int index, QByteArrayView record) const;
    // The records, shown or not, whose rows show the record given.
    QList<int> recordsShowing(QByteArrayView record) const;
    // Where the row of a record is shown, or -1.
    int shownIndexOf(int record) const;
    // Column texts: the ladder amount, the question's 200 characters exactly
    // as read (trailing spaces included) and the right letter in upper case.
    QString round(int index) const;
    QString question(int index) const;
    QString right(int index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QByteArrayView questionBytes(int rowIndex) const;
    bool rowShows(int rowIndex, QByteArrayView record) const;
    void arrange();
    void refilter();

    QList<Row> m_rows;
    // Indexes into m_rows: all of them in the chosen order, and those shown.
    QList<int> m_sorted;
    QList<int> m_shown;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QString m_path;
    QString m_filter;
    QuestionSearch m_search;
    // The question bytes of every row, one after another. A large set has
    // tens of thousands of rows and a view shows a dozen, so texts are
    // decoded only when shown.
    QByteArray m_questions;
};
