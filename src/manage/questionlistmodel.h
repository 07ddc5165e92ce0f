#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

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
    };

    enum Column { RoundColumn, QuestionColumn, RightColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Refills the rows from the set file: one per question QuestionSet lists
    // (rounds 1 to 15, numbers below its reserved ones), in file order. On a read error the rows read so
    // far stay and error is set.
    void fill(const QString &path, QString *error = nullptr);

    const Row &row(int index) const { return m_rows.at(index); }
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
    QList<Row> m_rows;
    // The question bytes of every row, one after another. A large set has
    // tens of thousands of rows and a view shows a dozen, so texts are
    // decoded only when shown.
    QByteArray m_questions;
};
