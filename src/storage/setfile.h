#pragma once

#include "questionrecord.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <functional>

// Random access to a set file by record number (records count from 1). One
// SetFile is one open handle; callers open it, work and let it go within one
// event, so nothing stays open between events.
class SetFile
{
public:
    // Record numbers and counts are 16-bit in the file format.
    static constexpr int MAX_RECORDS = 32767;

    explicit SetFile(const QString &path);

    // Opens for reading and writing; a missing file is created empty.
    bool open();
    bool openReadOnly();
    void close();

    qint64 length() const;
    int recordCount() const { return countFromLength(length()); }
    // Length / 405, rounded to the nearest whole number, ties to even.
    static int countFromLength(qint64 bytes);
    // Why a file of that many bytes is no question set (it holds more records
    // than the format can number), or empty. Such a file is never read.
    static QString lengthProblem(const QString &path, qint64 bytes);

    // A read that cannot get a whole record returns false and sets atEnd().
    bool read(int n, QuestionRecord &record);
    bool readRaw(int n, QByteArray &raw);
    bool atEnd() const { return m_atEnd; }

    // Writing past the end fills the gap with zero bytes. In place: what the
    // screens change goes through putRecord() instead.
    bool write(int n, const QuestionRecord &record);
    bool writeRaw(int n, QByteArrayView raw);
    bool flush();

    QString errorString() const { return m_error; }
    QString path() const { return m_path; }

    // Record n of the file at path, open in file, becomes record, the rest
    // staying as it is (a gap behind the end is zero-filled). An existing
    // record is overwritten in one synced write; a new one makes the file
    // grow through a copy that is renamed into place. On failure, or a
    // crash, the file holds the old record or the new one, never a mix.
    static bool putRecord(QFile &file, const QString &path, int n, const QuestionRecord &record,
                          QString *error = nullptr);

    // Walks the whole records of a file from record 1 in large reads; the
    // visitor gets each record's number and bytes and returns false to stop.
    // A missing file has no records. A trailing partial record is never seen.
    using Visitor = std::function<bool(int n, QByteArrayView raw)>;
    static bool scan(const QString &path, const Visitor &visit, QString *error = nullptr);
    // The same through the file at path, already open for reading in file.
    static bool scan(QFile &file, const QString &path, const Visitor &visit,
                     QString *error = nullptr);
    // The whole records of the file at path, read at once, as scan() would
    // walk them: none for a missing file, a trailing partial record left out.
    static bool readAll(const QString &path, QByteArray &records, QString *error = nullptr);
    // Record n of the file open in handle; false when it has no whole record n.
    static bool readRaw(int handle, int n, QByteArray &raw);

private:
    bool openPlain(QIODevice::OpenMode mode, bool create);
    bool fail(const QString &what);
    bool injected(const QString &what);

    QFile m_file;
    QString m_path;
    QString m_error;
    bool m_atEnd = false;
};
