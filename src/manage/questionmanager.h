#pragma once

#include "storage/questionset.h"
#include "storage/setimport.h"

#include <QDialog>

#include <array>
#include <optional>

struct Services;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QuestionListModel;
class Zoom;

// The question manager: lists the questions of the current set, edits and
// deletes them, and changes the set's creator, message and password.
// Window object name "Form7".
class QuestionManager : public QDialog
{
    Q_OBJECT
public:
    QuestionManager(const QString &setPath, Services &services, QWidget *parent = nullptr);

    // Asks for the set's password and, when it is right, shows the manager
    // modally over mainWindow; returns once the manager has closed, true when
    // it was opened at all and mainWindow is still there.
    static bool openGuarded(QWidget *mainWindow, const QString &setPath, Services &services);

    // Empties the question list and fills it again from the set file.
    void updateList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void importQuestions();
    void exportQuestions();
    void buildFindBar();
    void startFinding();
    void filterList(const QString &text);
    void sortList(int column);
    // Builds the question's boxes and buttons; returns the last in tab order.
    QWidget *buildQuestionSide();
    void buildDetailsSide(QWidget *tabbedFrom);
    void zoomColumns(Zoom *zoom);
    void chainTabOrder(std::initializer_list<QWidget *> order);
    void buildList();
    QLabel *addLabel(const QString &text, const char *name, int left, int top, int width,
                     int height);
    QLineEdit *addBox(QLabel *label, const char *name, int left, int top, int width,
                      int maxLength = 0);
    QPushButton *addButton(const QString &text, const char *name, int left, int top,
                           int width);
    void load();
    void showPicked();
    void pickCurrent();
    void showQuestion(const QuestionRecord &record);
    static QString refusedRows(const QString &csvName, const QList<SetImport::Problem> &problems);
    void followSet();
    void keepPick();
    void selectQuietly(int index);
    void forgetPick();
    void showFound();
    void editQuestion();
    void deleteQuestion();
    void showDetails();
    void saveDetails();
    void dropPick();
    bool questionChosen();
    std::optional<QuestionRecord> editedQuestion();
    bool changeMade(QuestionSet::Change change, const QString &error, const QString &failure);
    void tell(const QString &text, const QString &title);
    void complain(const QString &text, const QString &title, QWidget *field);
    void showProblem(const QString &text);

    Services &m_services;
    QuestionSet m_set;
    QuestionListModel *m_model = nullptr;
    // The question picked from the list, as it was read.
    std::optional<QuestionSet::Pick> m_pick;
    // Set while the list marks the kept pick again, which loads nothing.
    bool m_selectingQuietly = false;
    // The header as the details boxes show it (no bytes when there is none).
    QuestionSet::Pick m_header;

    QTreeView *m_list = nullptr;
    QLineEdit *m_findBox = nullptr;
    QLabel *m_foundLabel = nullptr;
    QLineEdit *m_questionBox = nullptr;
    std::array<QLineEdit *, 4> m_answerBoxes{};
    QLineEdit *m_rightBox = nullptr;
    QLineEdit *m_roundBox = nullptr;
    // Hidden: the picked question's number, empty until one is picked.
    QLineEdit *m_numberBox = nullptr;
    QLineEdit *m_creatorBox = nullptr;
    QLineEdit *m_messageBox = nullptr;
    QLineEdit *m_passwordBox = nullptr;
    // Hidden: the header's number, empty when the set has no header.
    QLineEdit *m_headerNumberBox = nullptr;
};
