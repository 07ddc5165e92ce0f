#include "printservice.h"

#include "storage/saferewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

bool PrintService::savePdf(QWidget &widget, const QString &path, const QString &title,
                           QString *error)
{
    // Drawn in memory, then written as export writes its files: whole or not
    // at all, and a failure gives the system's reason.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quorvane"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         widget.width() > widget.height() ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        if (!paintPage(widget, writer)) {
            if (error)
                *error = QCoreApplication::translate("PrintService", "The certificate could not be drawn.");
            return false;
        }
    }
    return SafeRewrite::replace(path, pdf.data(), error);
}

bool PrintService::paintPage(QWidget &widget, QPagedPaintDevice &device)
{
    if (widget.width() <= 0 || widget.height() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The page's printable area in device units; the picture keeps its shape.
    const qreal pageWidth = device.width();
    const qreal pageHeight = device.height();
    const qreal scale = qMin(pageWidth / widget.width(), pageHeight / widget.height());
    painter.translate((pageWidth - widget.width() * scale) / 2,
                      (pageHeight - widget.height() * scale) / 2);
    painter.scale(scale, scale);
    widget.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}
