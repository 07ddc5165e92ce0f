#include "setadding.h"

#include "plainfile.h"
#include "questionrecord.h"
#include "questionset.h"
#include "saferewrite.h"
#include "setcheck.h"
#include "setfile.h"
#include "setlock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace {

// The findings a refusal lists before it only counts the rest.
constexpr int kFindingsShown = 10;

QString addingTr(const char *text)
{
    return QCoreApplication::translate("SetAdding", text);
}

QString cannotAdd(const QString &name, const QString &why)
{
    return addingTr("\"%1\" cannot be added as a question set:\n%2").arg(name, why);
}

// What check says of the file, as quorvane-sets check prints it.
QString checkLines(const SetCheck::Report &report)
{
    QStringList lines;
    for (const SetCheck::Finding &finding : report.findings.first(
             std::min<qsizetype>(kFindingsShown, report.findings.size())))
        lines << finding.text;
    if (const qsizetype more = report.findings.size() - kFindingsShown; more > 0)
        lines << addingTr("and %1 more").arg(more);
    lines << report.verdict();
    return lines.join(u'\n');
}

// The whole file as it is now, no longer than a set can be and in whole
// records, as check found it; a file that changed since is not taken.
std::optional<QByteArray> readAdded(const QString &source, QString *error)
{
    constexpr qint64 most = qint64(SetFile::MAX_RECORDS) * QuestionRecord::LENGTH;
    const QString name = QFileInfo(source).fileName();
    QString why;
    QFile file(source);
    if (PlainFile::openToRead(file, &why)) {
        const QByteArray bytes = file.read(most + 1);
        if (file.error() != QFileDevice::NoError)
            why = file.errorString();
        else if (bytes.size() > most || bytes.size() % QuestionRecord::LENGTH != 0)
            why = addingTr("it changed while it was being added; try again");
        else
            return bytes;
    }
    if (error)
        *error = addingTr("Could not read \"%1\": %2").arg(name, why);
    return std::nullopt;
}

} // namespace

namespace SetAdding {

QString refusal(const QString &source)
{
    const QString name = QFileInfo(source).fileName();
    // The start screen lists no other name, so such a file would vanish.
    if (!name.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) || name.startsWith(u'.'))
        return cannotAdd(name, addingTr("a set's file name must end in \".dat\" and must not "
                                        "begin with a dot."));
    if (const QString problem = QuestionSet::nameProblem(name); !problem.isEmpty())
        return cannotAdd(name, problem);
    const SetCheck::Report report = SetCheck::check(source);
    if (!report.readable())
        return cannotAdd(name, report.error);
    return report.findings.isEmpty() ? QString() : cannotAdd(name, checkLines(report));
}

bool copy(const QString &source, const QString &path, Way way, QString *error)
{
    const std::optional<QByteArray> bytes = readAdded(source, error);
    if (!bytes)
        return false;
    if (way == Way::AsNew)
        return SafeRewrite::create(path, *bytes, error);
    const auto replaced = QuestionSet(path).locked(
        [&](SetLock &) {
            return SafeRewrite::replace(path, *bytes, error) ? QuestionSet::Change::Done
                                                             : QuestionSet::Change::Failed;
        },
        error);
    return replaced == QuestionSet::Change::Done;
}

} // namespace SetAdding
