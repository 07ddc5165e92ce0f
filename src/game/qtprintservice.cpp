#include "qtprintservice.h"

#include "ui/qtdialogservice.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

bool QtPrintService::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrintService::print(QWidget &widget, const QString &title)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return false;
    QPrinter printer(target, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Quorvane"));
    // A wide picture prints across the page, a tall one down it.
    printer.setPageOrientation(widget.width() > widget.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    return paintPage(widget, printer);
}

QString QtPrintService::askPdfPath(QWidget *parent, const QString &suggested)
{
    return QtDialogService::askSavePath(
        parent, QCoreApplication::translate("PrintService", "Save Certificate"),
        QCoreApplication::translate("PrintService", "PDF files (*.pdf)"), suggested);
}
