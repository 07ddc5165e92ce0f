#include "csv.h"

#include "charscan.h"
#include "cp1252.h"

#include <QStringDecoder>

#include <functional>
#include <optional>

namespace {

bool isBlankLine(QStringView line)
{
    for (const QChar c : line) {
        if (c != u' ' && c != u'\t')
            return false;
    }
    return true;
}

// Length of the line break starting at i, or 0 when there is none.
qsizetype breakAt(QStringView text, qsizetype i)
{
    if (text[i] == u'\n')
        return 1;
    if (text[i] == u'\r')
        return (i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
    return 0;
}

// Where the text ends once trailing blank lines are gone.
qsizetype endWithoutBlankTail(QStringView text)
{
    qsizetype end = text.size();
    for (;;) {
        qsizetype cut = end;
        while (cut > 0 && text[cut - 1] != u'\n' && text[cut - 1] != u'\r')
            --cut;
        if (!isBlankLine(text.sliced(cut, end - cut)))
            return end;
        if (cut == 0)
            return 0;
        // Drop the line and the break before it.
        end = cut - 1;
        if (end > 0 && text[end] == u'\n' && text[end - 1] == u'\r')
            --end;
    }
}

// Physical line of the byte at offset, counting breaks as the parser does.
int lineAt(QByteArrayView bytes, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// The text, when the bytes are UTF-8 throughout; decoded once, as a large
// file is.
std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isUtf8(QByteArrayView bytes)
{
    return fromUtf8(bytes).has_value();
}

// Line of the first bytes that are not UTF-8. Line breaks never fall inside a
// UTF-8 sequence, so each line can be checked on its own.
int firstLineNotUtf8(QByteArrayView bytes)
{
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        if (!isUtf8(bytes.sliced(start, i - start)))
            return line;
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        ++line;
        start = i + 1;
    }
    return line;
}

// A spreadsheet takes a cell beginning with one of these for a formula
// ("=HYPERLINK(...)" runs when the file is opened); behind an apostrophe it
// shows the text as it is. The apostrophe itself is in the list so that a
// text beginning with one keeps it on the way back: every text that begins
// with any of them is written behind an apostrophe, and reading drops an
// apostrophe only before one of them, which gives back exactly what was written.
bool opensFormula(QStringView text)
{
    static constexpr QStringView starts = u"=+-@'";
    return !text.isEmpty() && starts.contains(text.front());
}

QString unmarked(QString value)
{
    if (value.startsWith(u'\'') && opensFormula(QStringView(value).sliced(1)))
        value.remove(0, 1);
    return value;
}

// Reads rows out of CSV text, one piece at a time, handing each row to visit
// until it returns false. Each value is read straight into its field, whose
// string from the row before is emptied for it, so that the rows of a large
// file reuse the room of a few strings instead of each making its own. Only
// the error of the result is set.
class RowParser
{
public:
    RowParser(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    Csv::Parsed run(const std::function<bool(Csv::Row &)> &visit);

private:
    void readQuoted();
    void readPlain();
    void addToValue(qsizetype start);
    // The field being read.
    QString &value() { return m_row.fields[m_field]; }
    void endField();
    void endLastField();
    void endRow(qsizetype lineBreak);
    void fail(int line, const QString &why);

    const QStringView m_text;
    const QChar m_separator;
    const std::function<bool(Csv::Row &)> *m_visit = nullptr;
    Csv::Parsed m_out;
    qsizetype m_i = 0;
    int m_line = 1;
    Csv::Row m_row{1, {QString()}};
    qsizetype m_field = 0; // in m_row.fields, which may hold more of the row before
    bool m_quoted = false;     // inside a quoted field
    bool m_afterQuote = false; // a quoted field has closed, a separator must follow
    bool m_stopped = false;    // visit said enough, or the text was refused
};

Csv::Parsed RowParser::run(const std::function<bool(Csv::Row &)> &visit)
{
    m_visit = &visit;
    while (m_i < m_text.size() && !m_stopped) {
        if (m_quoted)
            readQuoted();
        else
            readPlain();
    }
    if (m_stopped)
        return m_out;
    if (m_quoted) {
        fail(m_row.line, QStringLiteral("a quoted field is never closed"));
        return m_out;
    }
    endLastField();
    visit(m_row);
    return m_out;
}

// Inside quotes: a doubled quote, the closing one, a line break that
// belongs to the value, or everything up to the next of them in one piece.
void RowParser::readQuoted()
{
    if (m_text[m_i] == u'"') {
        if (m_i + 1 < m_text.size() && m_text[m_i + 1] == u'"') {
            value() += u'"';
            m_i += 2;
            return;
        }
        m_quoted = false;
        m_afterQuote = true;
        ++m_i;
        return;
    }
    if (const qsizetype n = breakAt(m_text, m_i)) {
        value() += m_text.sliced(m_i, n);
        m_i += n;
        ++m_line;
        return;
    }
    const qsizetype start = m_i;
    m_i += CharScan::plain(m_text.sliced(m_i), u'"');
    addToValue(start);
}

void RowParser::readPlain()
{
    const QChar c = m_text[m_i];
    if (c == m_separator) {
        endField();
        m_afterQuote = false;
        ++m_i;
    } else if (const qsizetype n = breakAt(m_text, m_i)) {
        endRow(n);
    } else if (m_afterQuote) {
        fail(m_line, QStringLiteral("text after a closing quote; a quote inside a quoted "
                                    "field is written as two quotes"));
    } else if (c == u'"') {
        if (!value().isEmpty())
            return fail(m_line, QStringLiteral("a quote inside a field that does not start "
                                               "with a quote"));
        m_quoted = true;
        ++m_i;
    } else {
        const qsizetype start = m_i;
        m_i += CharScan::plain(m_text.sliced(m_i), m_separator);
        addToValue(start);
    }
}

// The text from start to here joins the value.
void RowParser::addToValue(qsizetype start)
{
    value() += m_text.sliced(start, m_i - start);
}

// The next field is read into the same field of the row before, emptied.
void RowParser::endField()
{
    value() = unmarked(std::move(value()));
    if (++m_field == m_row.fields.size())
        m_row.fields.append(QString());
    else
        value().truncate(0);
}

// The row ends here: fields of a longer row before are dropped.
void RowParser::endLastField()
{
    value() = unmarked(std::move(value()));
    m_row.fields.resize(m_field + 1);
}

void RowParser::endRow(qsizetype lineBreak)
{
    endLastField();
    if (!(*m_visit)(m_row)) {
        m_stopped = true;
        return;
    }
    m_afterQuote = false;
    m_i += lineBreak;
    m_row.line = ++m_line;
    m_field = 0;
    value().truncate(0);
}

void RowParser::fail(int line, const QString &why)
{
    m_out.error = why;
    m_out.errorLine = line;
    m_stopped = true;
}

Csv::Parsed parseRows(QStringView all, QChar separator, const std::function<bool(Csv::Row &)> &visit)
{
    const QStringView text = all.first(endWithoutBlankTail(all));
    if (text.isEmpty())
        return {};
    return RowParser(text, separator).run(visit);
}

// Keeps every row visit is handed.
struct Collect
{
    QList<Csv::Row> rows;
    bool operator()(const Csv::Row &row)
    {
        rows << row;
        return true;
    }
};

bool namesMatch(const QStringList &fields, const QStringList &names)
{
    if (fields.size() != names.size())
        return false;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (fields[i].trimmed().compare(names[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

namespace Csv {

const QList<QChar> &separators()
{
    static const QList<QChar> all = {u',', u';', u'\t'};
    return all;
}

QString separatorName(QChar separator)
{
    switch (separator.unicode()) {
    case u',':
        return QStringLiteral("comma");
    case u';':
        return QStringLiteral("semicolon");
    case u'\t':
        return QStringLiteral("tab");
    }
    return QStringLiteral("\"%1\"").arg(separator);
}

QChar separatorNamed(const QString &name)
{
    for (const QChar separator : separators()) {
        if (name == separatorName(separator))
            return separator;
    }
    return {};
}

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf8WithBom:
        return QStringLiteral("UTF-8 with a byte order mark");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

QString describe(const Format &format)
{
    return QStringLiteral("%1, %2-separated").arg(encodingName(format.encoding),
                                                  separatorName(format.separator));
}

Decoded decode(const QByteArray &bytes)
{
    Decoded out;
    QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        out.error = QStringLiteral("the file is UTF-16 (it starts with UTF-16's byte order mark), "
                                   "neither UTF-8 nor Windows-1252; save it as one of those");
        out.errorLine = 1;
        return out;
    }
    if (const qsizetype nul = view.indexOf('\0'); nul >= 0) {
        out.error = QStringLiteral("a NUL byte: the file is neither UTF-8 nor Windows-1252 "
                                   "(UTF-16 perhaps); save it as one of those");
        out.errorLine = lineAt(view, nul);
        return out;
    }
    if (view.startsWith("\xEF\xBB\xBF")) {
        out.encoding = Encoding::Utf8WithBom;
        view = view.sliced(3);
        std::optional<QString> text = fromUtf8(view);
        if (!text) {
            out.error = QStringLiteral("not UTF-8 text, although the file starts with UTF-8's byte "
                                       "order mark");
            out.errorLine = firstLineNotUtf8(view);
            return out;
        }
        out.text = *std::move(text);
        return out;
    }
    if (std::optional<QString> text = fromUtf8(view)) {
        out.text = *std::move(text);
        return out;
    }
    out.encoding = Encoding::Windows1252;
    out.text = Cp1252::decode(view);
    return out;
}

Parsed parse(QStringView text, QChar separator)
{
    Collect collect;
    Parsed out = parseRows(text, separator, std::ref(collect));
    out.rows = std::move(collect.rows);
    return out;
}

Table read(const QByteArray &bytes, const QStringList &header)
{
    Collect collect;
    Table out = read(bytes, header, std::ref(collect));
    out.rows = std::move(collect.rows);
    return out;
}

Table read(const QByteArray &bytes, const QStringList &header,
           const std::function<bool(const Row &)> &visit)
{
    Table out;
    const Decoded decoded = decode(bytes);
    out.format.encoding = decoded.encoding;
    if (!decoded.error.isEmpty()) {
        out.error = decoded.error;
        out.errorLine = decoded.errorLine;
        return out;
    }
    for (const QChar separator : separators()) {
        parseRows(decoded.text, separator, [&](const Row &first) {
            out.headerFound = namesMatch(first.fields, header);
            return false;
        });
        if (out.headerFound) {
            out.format.separator = separator;
            break;
        }
    }
    static_cast<Parsed &>(out) = parseRows(decoded.text, out.format.separator, visit);
    return out;
}

namespace {

bool isInvisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != U' ';
    default:
        return false;
    }
}

QString shownCharacter(char32_t c)
{
    switch (c) {
    case U'\0':
        return QStringLiteral("\\0");
    case U'\t':
        return QStringLiteral("\\t");
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    }
    if (isInvisible(c))
        return QStringLiteral("[U+%1]").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return QString::fromUcs4(&c, 1);
}

} // namespace

QString shown(QStringView value, int limit)
{
    QString out;
    int characters = 0;
    for (const char32_t c : value.toUcs4()) {
        if (characters++ == limit)
            return out + u'\u2026';
        out += shownCharacter(c);
    }
    return out;
}

QString firstWhere(QStringView text, bool (*bad)(char32_t), QString *place)
{
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (bad(characters[i])) {
            *place = QString::number(i + 1);
            return shownCharacter(characters[i]);
        }
    }
    return {};
}

QString field(const QString &text, QChar separator)
{
    const QString value = opensFormula(text) ? u'\'' + text : text;
    bool needsQuotes = false;
    for (const QChar c : value) {
        if (c == separator || c == u'"' || c == u'\r' || c == u'\n') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return value;
    QString quotedValue = value;
    quotedValue.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quotedValue + QLatin1Char('"');
}

QString row(const QStringList &fields, QChar separator)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out << field(f, separator);
    return out.join(separator) + QLatin1String("\r\n");
}

QByteArray encode(const QString &text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        break;
    case Encoding::Utf8WithBom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case Encoding::Windows1252:
        return Cp1252::encode(text);
    }
    return text.toUtf8();
}

} // namespace Csv
