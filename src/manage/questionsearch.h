#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Finds questions by what they say, ignoring letter case and accents, so that
// "cafe" finds "CAFÉ". Texts are compared in their stored Windows-1252 bytes,
// each folded through one table, which keeps a search of the largest set to
// one pass over memory.
class QuestionSearch
{
public:
    // Text as the search compares it: lower case, accents dropped ("É" is
    // "e", "ß" is "ss"). Empty when text holds a character no set can store,
    // since such a text is in no question.
    static QByteArray fold(QStringView text);
    // Orders stored texts alphabetically by their folded letters.
    static int compare(QByteArrayView a, QByteArrayView b);
    // The first sixteen folded letters of a stored text as two numbers that
    // order as compare() does; only texts with equal keys need compare().
    struct SortKey
    {
        quint64 high = 0;
        quint64 low = 0;
        auto operator<=>(const SortKey &) const = default;
    };
    static SortKey sortKey(QByteArrayView stored);

    // Reads the question and answers of every record of the set file; a
    // record is known by its number in the file, counted from 1.
    bool build(const QString &path, QString *error = nullptr);
    bool isBuilt() const { return m_built; }
    // Which records hold needle, which fold() made, in their question or an
    // answer: entry n for record n (entry 0 is unused). One pass over all
    // the texts, so a keystroke on the largest set costs about one read of it.
    QList<bool> recordsHolding(QByteArrayView needle) const;

private:
    QByteArray m_texts;       // every record's folded texts, one after another
    QList<qsizetype> m_starts; // where record n's texts start, at n - 1
    bool m_built = false;
};
