#pragma once

#include <QDialog>

struct Services;
class QLabel;
class QMenuBar;

// What a certificate shows: the player's name as typed, the winnings, how
// many lifelines were used and the set's file name.
struct Certificate
{
    QString playerName;
    QString winnings;
    int lifelinesUsed = 0;
    QString setName;
};

// The certificate for a player who leaves with money: who, how much, how
// many lifelines and which set, with menu commands to print it or close it.
// Window object name "Form5".
class CertificateWindow : public QDialog
{
    Q_OBJECT
public:
    CertificateWindow(const Certificate &shown, Services &services, QWidget *parent = nullptr);

    // The certificate itself, below the menu bar: what is printed.
    QWidget *clientArea() const { return m_client; }

    // The name printing gives the job, and the suggested PDF file name.
    static QString documentTitle();
    static QString suggestedPdfPath();

private:
    void buildMenu();
    void buildCertificate();
    void fillIn(const Certificate &shown);
    void sayWhatItCertifies();
    void printClicked();
    void saveAsPdf();

    Services &m_services;
    QMenuBar *m_menu = nullptr;
    QWidget *m_client = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_moneyLabel = nullptr;
    QLabel *m_lifelinesLabel = nullptr;
    QLabel *m_subjectLabel = nullptr;
};
