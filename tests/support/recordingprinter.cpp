#include "recordingprinter.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QWidget>

bool RecordingPrinter::print(QWidget &widget, const QString &title)
{
    if (refuseJobs)
        return false;
    Job job;
    job.title = title;
    job.picture = widget.grab().toImage();
    QBuffer buffer(&job.pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        if (!paintPage(widget, writer))
            return false;
    }
    jobs.append(job);
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
