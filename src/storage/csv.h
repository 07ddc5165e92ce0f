#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Comma-separated values as spreadsheet programs save them: fields separated
// by a comma, a semicolon or a tab; a field in double quotes may hold the
// separator, line breaks and doubled quotes. The text is UTF-8, with or
// without a byte order mark, or else Windows-1252.
namespace Csv {

enum class Encoding {
    Utf8,
    Utf8WithBom,
    Windows1252,
};

// How a file is written: what was found when reading, what to use when writing.
struct Format
{
    Encoding encoding = Encoding::Utf8WithBom;
    QChar separator = u',';
};

// The separators a file may use, comma first.
const QList<QChar> &separators();
// "comma", "semicolon", "tab".
QString separatorName(QChar separator);
// The separator of that name, or a null character for any other name.
QChar separatorNamed(const QString &name);
// "UTF-8", "UTF-8 with a byte order mark", "Windows-1252".
QString encodingName(Encoding encoding);
// Both, for messages: "Windows-1252, semicolon-separated".
QString describe(const Format &format);

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

struct Decoded
{
    QString text;
    Encoding encoding = Encoding::Utf8;
    // Set when the bytes are no text this reads; text is then empty.
    QString error;
    int errorLine = 0;
};

// UTF-8 when the whole file is UTF-8 (a leading byte order mark dropped),
// otherwise Windows-1252, which gives every byte a character. Refuses UTF-16's
// byte order marks, NUL bytes (no text of either holds one; UTF-16 does) and
// UTF-8's byte order mark before bytes that are not UTF-8.
Decoded decode(const QByteArray &bytes);

// Line breaks are CRLF, LF or a lone CR. Lines at the end that hold nothing
// but spaces and tabs are dropped. An apostrophe before =, +, -, @ or another
// apostrophe at the start of a field is dropped (see field()).
Parsed parse(QStringView text, QChar separator = u',');

struct Table : Parsed
{
    Format format;
    // The first row names the header's columns; the separator is the one
    // that makes it do so. Otherwise the separator is a comma.
    bool headerFound = false;
};

// Decodes bytes and parses them with the separator that splits the first row
// into header: the same names in the same order, in any letter case, with
// spaces around them or not. A decoding error leaves no rows.
Table read(const QByteArray &bytes, const QStringList &header);
// The same, handing each row to visit as it is parsed instead of keeping it
// (rows stays empty), so that a large file is never held as rows all at
// once; parsing stops where visit returns false.
Table read(const QByteArray &bytes, const QStringList &header,
           const std::function<bool(const Row &)> &visit);

// A value as a message shows it: characters that cannot be seen written as
// \0, \t, \n, \r or [U+200B], and cut after limit characters with "…".
QString shown(QStringView value, int limit = 40);
// The first character of text for which bad is true, as shown(), with its
// place counted in characters from 1; empty when there is none.
QString firstWhere(QStringView text, bool (*bad)(char32_t), QString *place);

// One field, quoted only when it must be. A text beginning with =, +, -, @
// or an apostrophe is written behind an apostrophe, so that a spreadsheet
// shows it as text instead of running it as a formula; parse() and read()
// drop such an apostrophe again.
QString field(const QString &text, QChar separator = u',');
// A whole record, ending in CRLF.
QString row(const QStringList &fields, QChar separator = u',');
// Text as bytes of the format's encoding; Windows-1252 writes '?' for what it
// cannot hold.
QByteArray encode(const QString &text, Encoding encoding);

} // namespace Csv
