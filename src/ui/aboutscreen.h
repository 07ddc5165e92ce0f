#pragma once

#include <QDialog>

// The About screen: version, the legal text and a note about help to come.
// Window object name "Form2".
class AboutScreen : public QDialog
{
    Q_OBJECT
public:
    explicit AboutScreen(QWidget *parent = nullptr);
};
