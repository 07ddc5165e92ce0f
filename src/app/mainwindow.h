#pragma once

#include "storage/questionset.h"

#include <QWidget>

#include <array>
#include <optional>

struct AppState;
struct Services;
class QButtonGroup;
class FileWatch;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

// The main window for the chosen set: its details, its questions per round,
// adding questions, and the way to every other screen.
// Window object name "Form1".
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    MainWindow(AppState &state, Services &services, QWidget *parent = nullptr);

    // Re-reads the header, recounts and resets the add fields; runs after
    // loading and whenever a screen opened from here closes.
    void activate();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QLayout *buildStats();
    QLayout *buildAddFrame();
    void addRoundAndPassword(QGridLayout *grid);
    QLayout *buildButtons();
    QLayout *buildDetails();
    void load();
    bool headerStep();
    bool showHeader();
    void showDetails(const QuestionRecord &header);
    void watchSet();
    void followSet();
    bool writeNewHeader();
    // Recounts from the file and shows the counts; nothing when it cannot be read.
    std::optional<QuestionSet::RoundCounts> recount();
    void showCounts(const QuestionSet::RoundCounts &counts);
    void clearFields();

    void play();
    void manageQuestions();
    void startNewSet();
    void showAbout();
    void addQuestion();
    bool changeableSet();
    bool passwordAccepted();
    std::optional<QuestionRecord> typedQuestion();
    QWidget *firstEmptyField() const;
    // List position + 1, or 0 when no round is picked from the list.
    int chosenRound() const;
    void complain(const QString &text, const QString &title, QWidget *field);
    void reportFileProblem(const QString &what, const QString &error);

    AppState &m_state;
    Services &m_services;
    QuestionSet m_set;
    // Closing for "New Question Set" leaves the program running.
    bool m_closingForNewSet = false;
    bool m_setOpened = true;
    // The set's records as this window last counted or wrote them; below 1,
    // the set still needs its header. Adding finds the file's real last
    // record under the lock, so nothing else needs this count.
    int m_recordCount = 0;

    FileWatch *m_watch = nullptr;

    QLabel *m_setNameLabel = nullptr;
    QLabel *m_creatorLabel = nullptr;
    QLabel *m_messageCaption = nullptr;
    QLabel *m_messageLabel = nullptr;
    // The number of questions of round i + 1 (objectNames t0 ... t14).
    std::array<QLabel *, 15> m_roundCounts{};
    QLabel *m_totalCount = nullptr;

    QPushButton *m_playButton = nullptr;
    QPushButton *m_manageButton = nullptr;
    QPushButton *m_newSetButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
    QPushButton *m_quitButton = nullptr;

    QLineEdit *m_questionBox = nullptr;
    std::array<QLineEdit *, 4> m_answerBoxes{};
    // The four "right answer" options, ids 0 to 3 for A to D.
    QButtonGroup *m_rightAnswer = nullptr;
    QComboBox *m_roundBox = nullptr;
    QLabel *m_roundSaid = nullptr;
    QLineEdit *m_passwordBox = nullptr;
    QPushButton *m_addButton = nullptr;
};
