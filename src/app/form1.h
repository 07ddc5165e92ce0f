#pragma once

#include <QWidget>

struct AppState;
struct Services;
class QLabel;

// The main window for the chosen set.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1(AppState &state, Services &services, QWidget *parent = nullptr);

    // Creates and shows a main window that deletes itself on close.
    static Form1 *showNew(AppState &state, Services &services);

    QLabel *lbl_qset2 = nullptr;

private:
    AppState &m_state;
    Services &m_services;
};
