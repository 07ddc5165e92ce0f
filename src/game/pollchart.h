#pragma once

#include <QDialog>

#include <array>

class QLabel;
class ShapeBox;

// The poll chart: the four vote counts of Ask Your Friends as bars, built
// afresh from the game's poll each time it opens.
// Window object name "Form6".
class PollChart : public QDialog
{
    Q_OBJECT
public:
    // Votes for A .. D, out of 100.
    explicit PollChart(const std::array<qint16, 4> &votes, QWidget *parent = nullptr);

private:
    void buildGrid();
    void buildColumns();
    void showVotes(const std::array<qint16, 4> &votes);

    // Index i holds answer A + i.
    std::array<ShapeBox *, 4> m_bars{};
    std::array<QLabel *, 4> m_percentLabels{};
};
