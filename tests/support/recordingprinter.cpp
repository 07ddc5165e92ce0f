#include "recordingprinter.h"

#include <QRegularExpression>
#include <QWidget>

bool RecordingPrinter::print(QWidget &widget, const QString &title)
{
    if (refuseJobs)
        return false;
    jobs.append({title, widget.grab().toImage()});
    return true;
}

QString RecordingPrinter::askPdfPath(QWidget *, const QString &suggested)
{
    suggestions.append(suggested);
    return pdfPaths.isEmpty() ? QString() : pdfPaths.dequeue();
}

int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}
