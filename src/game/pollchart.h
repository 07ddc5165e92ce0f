#pragma once

#include <QWidget>

struct AppState;
struct Services;
class QFrame;
class QLabel;
class QPushButton;
class ShapeBox;

// The poll chart: the four vote counts of Ask Your Friends as bars, built
// afresh from the shared state each time it opens.
// Window object name "Form6".
class PollChart : public QWidget
{
    Q_OBJECT
public:
    PollChart(AppState &state, Services &services, QWidget *parent = nullptr);

    // Shows a fresh chart modally over parent and returns once it has closed.
    static void showModal(AppState &state, Services &services, QWidget *parent);

    // Height of a bar per vote, in twips, and the base line the bars stand on.
    static constexpr int TWIPS_PER_VOTE = 20;
    static constexpr int BASE_Y = 2520;

    QLabel *Label8 = nullptr;
    QLabel *lbl_1 = nullptr;
    QLabel *lbl_2 = nullptr;
    QLabel *lbl_3 = nullptr;
    QLabel *lbl_4 = nullptr;
    ShapeBox *bar_a = nullptr;
    ShapeBox *bar_b = nullptr;
    ShapeBox *bar_c = nullptr;
    ShapeBox *bar_d = nullptr;
    QFrame *line_bottom = nullptr;
    QLabel *lbl_a = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *cmd_back = nullptr;

private:
    void buildControls();
    void load();
    void cmd_back_click();

    AppState &m_state;
};
