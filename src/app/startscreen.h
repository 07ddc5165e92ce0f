#pragma once

#include <QWidget>

struct AppState;
struct Services;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QFrame;

// The start screen: pick a set from the Questions folder or name a new one.
// Window object name "Form4".
class StartScreen : public QWidget
{
    Q_OBJECT
public:
    StartScreen(AppState &state, Services &services, QWidget *parent = nullptr);

    // Creates and shows a fresh start screen that deletes itself on close.
    static StartScreen *showNew(AppState &state, Services &services);

    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label14 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label15 = nullptr;
    QLineEdit *txt_name = nullptr;
    QLabel *Label16 = nullptr;
    QLineEdit *txt_message = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *txt_pass = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QFrame *Line2 = nullptr;
    QPushButton *Command1 = nullptr;

private:
    void buildControls();
    void load();
    void File1_click();
    void Command1_click();
    bool headerTextsStorable();
    bool setFileUsable(const QString &set_name);

    AppState &m_state;
    Services &m_services;
};
