#pragma once

#include <QWidget>

#include <array>

struct AppState;
struct Services;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main window for the chosen set: its details, its questions per round,
// adding questions, and the way to every other screen.
// Window object name "Form1".
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    MainWindow(AppState &state, Services &services, QWidget *parent = nullptr);

    // Creates and shows a main window that deletes itself on close.
    static MainWindow *showNew(AppState &state, Services &services);

    // Re-reads the header, recounts and resets the add fields; runs after
    // loading and whenever a screen opened from here closes.
    void activate();
    void totals();
    void clear_fields();

    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;

    QGroupBox *Frame1 = nullptr;
    QLabel *lbl_qset1 = nullptr;
    QLabel *lbl_qset2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lbl_name = nullptr;
    QLabel *lbl_m = nullptr;
    QLabel *lbl_message = nullptr;

    QGroupBox *Frame2 = nullptr;
    // The ladder amounts; Label8 stands beside t[0], Label22 beside t[14].
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    // t[i] shows the number of questions of round i + 1 (objectNames t0 ... t14).
    std::array<QLabel *, 15> t{};
    QLabel *Label3 = nullptr;
    QLabel *lbl_total = nullptr;

    QPushButton *cmd_play = nullptr;
    QPushButton *cmd_view = nullptr;
    QPushButton *cmd_new = nullptr;
    QPushButton *cmd_about = nullptr;
    QPushButton *cmd_quit = nullptr;

    QGroupBox *fra_add = nullptr;
    QComboBox *cmb_round = nullptr;
    QLineEdit *txt_q = nullptr;
    QLineEdit *txt_a1 = nullptr;
    QLineEdit *txt_a2 = nullptr;
    QLineEdit *txt_a3 = nullptr;
    QLineEdit *txt_a4 = nullptr;
    QRadioButton *opt_a = nullptr;
    QRadioButton *opt_b = nullptr;
    QRadioButton *opt_c = nullptr;
    QRadioButton *opt_d = nullptr;
    QLineEdit *txt_pass = nullptr;
    QPushButton *cmd_add = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QLayout *buildStats();
    QLayout *buildAddFrame();
    QLayout *buildDetails();
    void load();
    bool headerStep();
    void showCounts(const std::array<int, 15> &counts);

    void cmd_play_click();
    void cmd_view_click();
    void cmd_new_click();
    void cmd_about_click();
    void cmd_quit_click();
    void cmd_add_click();

    void openGame();
    void openManager();

    // List position + 1, or 0 when no round is picked from the list.
    int chosenRound() const;
    QString rightLetter() const;
    void reportFileProblem(const QString &what, const QString &error);

    AppState &m_state;
    Services &m_services;
    QButtonGroup *m_answers = nullptr;
    // Closing for "New Question Set" leaves the program running.
    bool m_closingForNewSet = false;
    bool m_setOpened = true;
};
