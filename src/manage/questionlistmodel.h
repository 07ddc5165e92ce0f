#pragma once

#include <QAbstractTableModel>
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
        QString round;  // ladder amount
        QString question;
        QString right;
    };

    enum Column { RoundColumn, QuestionColumn, RightColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row at once, so a view repaints once however many rows.
    void setRows(QList<Row> rows);
    // Refills the rows from the set file: one per question numbered below
    // 9000 in rounds 1 to 15, in file order, question text untrimmed. On a
    // read error the rows read so far stay and error is set.
    void fill(const QString &path, QString *error = nullptr);
    const Row &row(int index) const { return m_rows.at(index); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Row> m_rows;
};
