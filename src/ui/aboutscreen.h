#pragma once

#include <QWidget>

struct AppState;
struct Services;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About screen: version, the legal text and a note about help to come.
// Window object name "Form2".
class AboutScreen : public QWidget
{
    Q_OBJECT
public:
    AboutScreen(AppState &state, Services &services, QWidget *parent = nullptr);

    // Shows a fresh About screen modally over parent and returns once it has
    // closed.
    static void showModal(AppState &state, Services &services, QWidget *parent);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;

private:
    void Command1_click();
};
