#pragma once

#include <QString>
#include <QWidget>

struct AppState;
struct Services;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

// The start screen: pick a set from the Questions folder or name a new one.
// Window object name "Form4".
class StartScreen : public QWidget
{
    Q_OBJECT
public:
    StartScreen(AppState &state, Services &services, QWidget *parent = nullptr);

private:
    void buildControls();
    void connectControls();
    QLayout *buildFields();
    QLayout *buildNotes();
    void listSets();
    void pickLastSet();
    QStringList listedSets() const;
    void showUnlisted();
    void useChosenSet();
    QString chosenSetName();
    void openChosenSet();
    bool pickedSetStillThere(const QString &setName);
    bool headerTextsStorable();
    bool setFileUsable(const QString &setName);

    AppState &m_state;
    Services &m_services;
    // The name last picked from the list, used as it stands while the box shows it.
    QString m_pickedName;

    QListWidget *m_setList = nullptr;
    // Says how many files the list leaves out, and why.
    QLabel *m_unlistedLabel = nullptr;
    QLabel *m_creatorLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_fileNameBox = nullptr;
    QLineEdit *m_creatorBox = nullptr;
    QLineEdit *m_messageBox = nullptr;
    QLineEdit *m_passwordBox = nullptr;
    QPushButton *m_continueButton = nullptr;
};
