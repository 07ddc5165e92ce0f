#pragma once

#include "printservice.h"

// Prints through Qt's print support on the system's default printer.
class QtPrintService final : public PrintService
{
public:
    bool hasPrinter() override;
    bool print(QWidget &widget, const QString &title) override;
    QString askPdfPath(QWidget *parent, const QString &suggested) override;
};
