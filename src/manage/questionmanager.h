#pragma once

#include "storage/questionrecord.h"

#include <QByteArray>
#include <QWidget>

#include <optional>

struct AppState;
struct Services;
class QAbstractItemView;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QuestionListModel;

// The question manager: lists the questions of the current set, edits and
// deletes them, and changes the set's creator, message and password.
// Window object name "Form7".
class QuestionManager : public QWidget
{
    Q_OBJECT
public:
    QuestionManager(AppState &state, Services &services, QWidget *parent = nullptr);

    // Asks for the set's password and, when it is right, shows the manager
    // modally over mainWindow; returns once the manager has closed, true when
    // it was opened at all.
    static bool openGuarded(QWidget *mainWindow, AppState &state, Services &services);

    // Empties the question list and fills it again from the set file.
    void updatelist();

    // Switches whole-row selection of a list on or off.
    static void full_row_select(QAbstractItemView *list, bool on);

    QLabel *Label1 = nullptr;
    QTreeView *ListView1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLineEdit *txt_q = nullptr;
    QLineEdit *txt_a = nullptr;
    QLineEdit *txt_b = nullptr;
    QLineEdit *txt_c = nullptr;
    QLineEdit *txt_d = nullptr;
    QLabel *Label10 = nullptr;
    QLineEdit *txt_right = nullptr;
    QLabel *Label11 = nullptr;
    QLineEdit *txt_round = nullptr;
    QLineEdit *txt_id = nullptr;
    QPushButton *cmd_edit = nullptr;
    QPushButton *cmd_delete = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label15 = nullptr;
    QLineEdit *txt_name = nullptr;
    QLabel *Label16 = nullptr;
    QLineEdit *txt_message = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txt_p1 = nullptr;
    QPushButton *cmd_ok = nullptr;
    QLineEdit *txt_id2 = nullptr;
    QPushButton *cmd_back = nullptr;

private:
    void buildControls();
    void buildList();
    QLabel *addLabel(const QString &text, const char *name, int left, int top, int width,
                     int height);
    QLineEdit *addBox(QLabel *label, const char *name, int left, int top, int width,
                      int maxLength = 0);
    QPushButton *addButton(const QString &text, const char *name, int left, int top,
                           int width);
    void load();
    void ListView1_click();
    void cmd_edit_click();
    void cmd_delete_click();
    void cmd_ok_click();
    void cmd_back_click();
    std::optional<QuestionRecord> pickedRecord();
    void showProblem(const QString &text);

    AppState &m_state;
    Services &m_services;
    QuestionListModel *m_model = nullptr;

    // The picked question: its record number and its bytes when picked.
    struct Pick
    {
        int record = 0;
        QByteArray bytes;
    };
    std::optional<Pick> m_pick;
};
