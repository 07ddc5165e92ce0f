#pragma once

#include "storage/setadding.h"
#include "storage/appstate.h"

#include <QString>
#include <QWidget>

struct Services;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The start screen: pick a set from the Questions folder or name a new one.
// Window object name "Form4".
class StartScreen : public QWidget
{
    Q_OBJECT
public:
    StartScreen(AppState &state, Services &services, QWidget *parent = nullptr);

protected:
    // Set files dropped onto the list are added.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    QLayout *buildFields();
    QLayout *buildNotes();
    void listSets();
    void pickLastSet();
    QListWidgetItem *listItem(const ProgramFolders::Listed &set) const;
    QList<ProgramFolders::Listed> listedSets() const;
    void showUnlisted();
    void useChosenSet();
    QString chosenSetName();
    void openChosenSet();
    bool pickedSetStillThere(const QString &setName);
    bool headerTextsStorable();
    bool setFileUsable(const QString &setName);
    void addSetFromFile();
    void addSetFiles(const QStringList &paths);
    QString addSetFile(const QString &source);
    bool replaceOrKeepBoth(const QString &own, QString &name, SetAdding::Way &way);
    void pickSet(const QString &fileName);

    AppState &m_state;
    Services &m_services;
    // The name last picked from the list, used as it stands while the box shows it.
    QString m_pickedName;

    QListWidget *m_setList = nullptr;
    // Says how many files the list leaves out, and why.
    QLabel *m_unlistedLabel = nullptr;
    // Shown while the list holds a set the program came with.
    QLabel *m_bundledNote = nullptr;
    QLabel *m_creatorLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_fileNameBox = nullptr;
    QLineEdit *m_creatorBox = nullptr;
    QLineEdit *m_messageBox = nullptr;
    QLineEdit *m_passwordBox = nullptr;
    QPushButton *m_addFileButton = nullptr;
    QPushButton *m_continueButton = nullptr;
};
