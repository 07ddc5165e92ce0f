#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Comma-separated values as RFC 4180 has them: fields separated by commas,
// a field in double quotes may hold commas, line breaks and doubled quotes.
namespace Csv {

struct Row
{
    int line = 0; // physical line the row starts on, from 1
    QStringList fields;
};

struct Parsed
{
    QList<Row> rows;
    // Set when the text breaks the quoting rules; rows then stops before it.
    QString error;
    int errorLine = 0;
};

// Decodes UTF-8, dropping a leading byte order mark. On bytes that are not
// UTF-8 returns false and the physical line they stand on.
bool decodeUtf8(const QByteArray &bytes, QString &text, int *badLine = nullptr);

// Line breaks are CRLF, LF or a lone CR. Lines at the end that hold nothing
// but spaces and tabs are dropped.
Parsed parse(QStringView text);

// One field, quoted only when it must be.
QString field(const QString &value);
// A whole record, ending in CRLF.
QString row(const QStringList &fields);

} // namespace Csv
