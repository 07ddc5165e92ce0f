#pragma once

#include <QDialog>

#include <array>

struct AppState;
class QLabel;
class ShapeBox;

// The poll chart: the four vote counts of Ask Your Friends as bars, built
// afresh from the shared state each time it opens.
// Window object name "Form6".
class PollChart : public QDialog
{
    Q_OBJECT
public:
    explicit PollChart(const AppState &state, QWidget *parent = nullptr);

private:
    void buildGrid();
    void buildColumns();
    void showVotes(const AppState &state);

    // Index i holds answer A + i.
    std::array<ShapeBox *, 4> m_bars{};
    std::array<QLabel *, 4> m_percentLabels{};
};
