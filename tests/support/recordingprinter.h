#pragma once

#include "game/printservice.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// A printer that keeps every job as the picture the widget showed. Can
// pretend there is no printer, or refuse jobs, and answers the save-file
// question from a queue.
class RecordingPrinter final : public PrintService
{
public:
    struct Job { QString title; QImage picture; };

    bool hasPrinter() override { return printerPresent; }
    bool print(QWidget &widget, const QString &title) override;
    QString askPdfPath(QWidget *parent, const QString &suggested) override;

    bool printerPresent = true;
    // Makes print() fail as a printer refusing the job would.
    bool refuseJobs = false;
    QList<Job> jobs;

    // Answers to askPdfPath; an empty queue answers as Cancel would.
    QQueue<QString> pdfPaths;
    // The suggested paths it was asked with.
    QStringList suggestions;
};

// Pages in a PDF made by Qt or Ghostscript: counts its page objects.
int pdfPageCount(const QByteArray &pdf);
