#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;

// Sends a window's picture to paper. The program prints on the system's
// default printer; tests record the jobs or write them to PDF files.
class PrintService
{
public:
    virtual ~PrintService() = default;

    // True when the system has a default printer to print on.
    virtual bool hasPrinter() = 0;
    // Prints the widget, as drawn, on the default printer as one page, with
    // no dialog. False when the printer could not take the job.
    virtual bool print(QWidget &widget, const QString &title) = 0;
    // Asks where to save a PDF file, starting from the suggested path.
    // Empty when the user cancels.
    virtual QString askPdfPath(QWidget *parent, const QString &suggested) = 0;

    // Writes the widget, as drawn, to a one-page PDF file. False when the
    // file cannot be written, or something other than a plain file has its
    // name; error then says why, in the system's words.
    static bool savePdf(QWidget &widget, const QString &path, const QString &title,
                        QString *error = nullptr);
    // Paints the widget on the device's first page, scaled to fit the page
    // and centred. False when the device cannot be painted on.
    static bool paintPage(QWidget &widget, QPagedPaintDevice &device);
};
