#pragma once

#include <QWidget>

struct AppState;
struct Services;
class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class ShapeBox;

// The certificate for a player who leaves with money: who, how much, how
// many lifelines and which set, with commands to print it or close it.
// Window object name "Form5".
class CertificateWindow : public QWidget
{
    Q_OBJECT
public:
    CertificateWindow(AppState &state, Services &services, QWidget *parent = nullptr);

    // Shows a fresh certificate modally over parent and returns once it has
    // closed.
    static void showModal(AppState &state, Services &services, QWidget *parent);

    // The certificate itself, below the menu bar: what is printed.
    QWidget *clientArea() const { return m_client; }

    QMenuBar *menu = nullptr;
    // The menu command "&Close"; the window itself closes through
    // QWidget::close().
    QAction *close = nullptr;
    QAction *print = nullptr;

    ShapeBox *Shape1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lbl_name = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lbl_money = nullptr;
    QLabel *lbl_life = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lbl_subject = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;

    // The name printing gives the job, and the suggested PDF file name.
    static QString documentTitle();
    static QString suggestedPdfPath();

private:
    void buildMenu();
    void buildCertificate();
    void load();
    void close_click();
    void print_click();
    void saveAsPdf();

    AppState &m_state;
    Services &m_services;
    QWidget *m_client = nullptr;
};
