#include "csv.h"

#include <QStringDecoder>

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

} // namespace

namespace Csv {

bool decodeUtf8(const QByteArray &bytes, QString &text, int *badLine)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = whole.decode(view);
    if (!whole.hasError())
        return true;
    // Find the first line that does not decode on its own.
    int line = 1;
    qsizetype start = 0;
    while (start <= view.size()) {
        qsizetype end = view.indexOf('\n', start);
        if (end < 0)
            end = view.size();
        QStringDecoder one(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = one.decode(view.sliced(start, end - start));
        if (one.hasError())
            break;
        ++line;
        start = end + 1;
    }
    if (badLine)
        *badLine = line;
    text.clear();
    return false;
}

Parsed parse(QStringView all)
{
    Parsed out;
    const QStringView text = all.first(endWithoutBlankTail(all));
    if (text.isEmpty())
        return out;

    int line = 1;
    qsizetype i = 0;
    Row row{line, {}};
    QString value;
    bool quoted = false;   // inside a quoted field
    bool afterQuote = false; // a quoted field has closed, a comma must follow
    auto fail = [&](int at, const QString &why) {
        out.error = why;
        out.errorLine = at;
        return out;
    };

    while (i < text.size()) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    value += u'"';
                    i += 2;
                    continue;
                }
                quoted = false;
                afterQuote = true;
                ++i;
                continue;
            }
            if (const qsizetype n = breakAt(text, i)) {
                value += text.sliced(i, n);
                i += n;
                ++line;
                continue;
            }
            value += c;
            ++i;
            continue;
        }
        if (c == u',') {
            row.fields << value;
            value.clear();
            afterQuote = false;
            ++i;
            continue;
        }
        if (const qsizetype n = breakAt(text, i)) {
            row.fields << value;
            out.rows << row;
            value.clear();
            afterQuote = false;
            i += n;
            ++line;
            row = Row{line, {}};
            continue;
        }
        if (afterQuote)
            return fail(line, QStringLiteral("text after a closing quote; a quote inside a "
                                             "quoted field is written as two quotes"));
        if (c == u'"') {
            if (!value.isEmpty())
                return fail(line, QStringLiteral("a quote inside a field that does not start "
                                                 "with a quote"));
            quoted = true;
            ++i;
            continue;
        }
        value += c;
        ++i;
    }
    if (quoted)
        return fail(row.line, QStringLiteral("a quoted field is never closed"));
    row.fields << value;
    out.rows << row;
    return out;
}

QString field(const QString &value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool needsQuotes = false;
    for (const QChar c : value) {
        if (special.contains(c)) {
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

QString row(const QStringList &fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out << field(f);
    return out.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

} // namespace Csv
