#include "certificatewindow.h"

#include "linecontrol.h"
#include "printservice.h"
#include "shapebox.h"
#include "ui/artwork.h"
#include "ui/dialogservice.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/services.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStandardPaths>

namespace {

constexpr int CLIENT_WIDTH = 8040;
constexpr int CLIENT_HEIGHT = 3495;

enum class Style { Heading, Filled, Footer };

QLabel *certificateLabel(QWidget *parent, const char *name, const QString &text, Style style,
                         int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    switch (style) {
    case Style::Heading: label->setFont(Fonts::sans(11.25, true)); break;
    case Style::Filled: label->setFont(Fonts::serif(11.25, true, true)); break;
    case Style::Footer:
        label->setFont(Fonts::sans(8.25, true));
        label->setAlignment(Qt::AlignCenter);
        break;
    }
    Colors::setForeground(label, Qt::black);
    Twips::place(label, left, top, width, 255);
    return label;
}

// The logo, drawn afresh at whatever size the certificate is shown at.
class LogoLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        const qreal ratio = devicePixelRatioF();
        QPixmap logo(size() * ratio);
        logo.setDevicePixelRatio(ratio);
        logo.fill(Qt::white);
        QPainter painter(&logo);
        Artwork::paintCertificateLogo(painter, QRectF(rect()));
        painter.end();
        setPixmap(logo);
        QLabel::resizeEvent(event);
    }
};

} // namespace

CertificateWindow::CertificateWindow(const Certificate &shown, Services &services,
                                     QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    Q_ASSERT(services.dialogs && services.printer);
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Winner Certificate"));
    WindowIcon::apply(this);
    buildMenu();
    buildCertificate();
    TextDisplay::plainLabels(this);
    // The client area keeps its size below the menu bar.
    const int menuHeight = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, m_client->width(), menuHeight);
    m_client->move(0, menuHeight);
    resize(m_client->width(), menuHeight + m_client->height());
    // Paper round the certificate when the window is larger than it.
    Colors::setBackground(this, Qt::white);
    m_menu->setPalette(QApplication::palette(m_menu));
    fillIn(shown);
    Zoom::attach(this);
}

void CertificateWindow::buildMenu()
{
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("menu"));
    // Inside the window on every desktop, so the client area is the same.
    m_menu->setNativeMenuBar(false);
    QAction *close = m_menu->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("close"));
    QAction *print = m_menu->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("print"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
    connect(print, &QAction::triggered, this, &CertificateWindow::printClicked);
}

void CertificateWindow::buildCertificate()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    Twips::setClientSize(m_client, CLIENT_WIDTH, CLIENT_HEIGHT);
    Colors::setBackground(m_client, Qt::white);
    QWidget *c = m_client;

    auto *frame = new ShapeBox(c);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setBorderColor(Qt::black);
    Twips::place(frame, 120, 120, 7815, 3255);

    auto *logo = new LogoLabel(c);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setAccessibleName(QStringLiteral("Quorvane logo"));
    Twips::place(logo, 240, 240, 2625, 1365);

    certificateLabel(c, "Label1", QStringLiteral("This is to certify that"), Style::Heading, 3000,
                     240, 6615);
    m_nameLabel = certificateLabel(c, "lbl_name", QStringLiteral("NAME"), Style::Filled, 3000, 600,
                                   4815);
    certificateLabel(c, "Label3", QStringLiteral("won"), Style::Heading, 3000, 960, 6615);
    m_moneyLabel = certificateLabel(c, "lbl_money", QStringLiteral("£MONEY"), Style::Filled, 3000,
                                    1320, 1455);
    m_lifelinesLabel = certificateLabel(c, "lbl_life", QStringLiteral("[LIFELINES]"),
                                        Style::Filled, 4680, 1320, 2415);
    certificateLabel(c, "Label6",
                     QStringLiteral("by answering questions about the following subject:"),
                     Style::Heading, 240, 1680, 6615);
    m_subjectLabel = certificateLabel(c, "lbl_subject", QStringLiteral("SUBJECT"), Style::Filled,
                                      240, 2040, 7575);
    LineControl::horizontal(c, QStringLiteral("Line1"), 240, 7800, 2400, Qt::black);
    certificateLabel(c, "Label7", QStringLiteral("QUORVANE"), Style::Footer, 240, 2520, 7575);
    certificateLabel(c, "Label8", QStringLiteral("Download it at www.quorvane.example"),
                     Style::Footer, 240, 2760, 7575);
    certificateLabel(
        c, "Label9",
        QStringLiteral("Create questions and send them round the world for your friends to try."),
        Style::Footer, 240, 3000, 7575);
}

void CertificateWindow::fillIn(const Certificate &shown)
{
    // Names come in any script and length; each is shown whole.
    auto fill = [](QLabel *label, const QString &text) {
        label->setText(text);
        label->setFont(Fonts::fitted(label->font(), text, label->contentsRect().width()));
    };
    fill(m_nameLabel, shown.playerName.toUpper());
    m_moneyLabel->setText(shown.winnings);
    // The set's file name less its ".dat".
    fill(m_subjectLabel, shown.setName.left(qMax(0, shown.setName.size() - 4)).toUpper());
    m_lifelinesLabel->setText(QStringLiteral("[ ") + QString::number(shown.lifelinesUsed) +
                              QStringLiteral(" LIFELINES USED ]"));
    sayWhatItCertifies();
}

// A screen reader says a window's name as it opens, and then the texts of the
// window that its name does not already hold. Named with its whole
// certificate, it reads who won how much on which subject, in the order it is
// read on paper, and no line twice.
void CertificateWindow::sayWhatItCertifies()
{
    QStringList lines;
    for (const char *name : {"Label1", "lbl_name", "Label3", "lbl_money", "lbl_life", "Label6",
                             "lbl_subject"})
        lines << m_client->findChild<QLabel *>(QLatin1String(name))->text();
    setAccessibleName(tr("%1: %2", "window title: the certificate's text")
                          .arg(windowTitle(), lines.join(QLatin1Char(' '))));
}

QString CertificateWindow::documentTitle()
{
    return QStringLiteral("Quorvane Certificate");
}

QString CertificateWindow::suggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(documentTitle() + QStringLiteral(".pdf"));
}

void CertificateWindow::printClicked()
{
    if (!m_services.printer->hasPrinter()) {
        saveAsPdf();
        return;
    }
    // Printed as laid out unzoomed, so the paper is the same at any zoom.
    bool printed = false;
    Zoom::unzoomed(this, [&] { printed = m_services.printer->print(*m_client, documentTitle()); });
    if (!printed)
        m_services.dialogs->message(
            this, QStringLiteral("The certificate could not be sent to the printer."),
            QStringLiteral("Print"));
}

void CertificateWindow::saveAsPdf()
{
    // Many desktops have no printer; a PDF file can still be printed or sent.
    if (!m_services.dialogs->askYesNo(
            this,
            QStringLiteral("There is no printer set up on this computer, so the certificate "
                           "cannot be printed.\n\nSave it as a PDF file instead?"),
            QStringLiteral("Print")))
        return;
    QString path = m_services.printer->askPdfPath(this, suggestedPdfPath());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    bool saved = false;
    QString why;
    Zoom::unzoomed(this,
                   [&] { saved = PrintService::savePdf(*m_client, path, documentTitle(), &why); });
    if (!saved)
        m_services.dialogs->message(
            this, QStringLiteral("The certificate could not be saved as %1.\n\n%2")
                      .arg(QDir::toNativeSeparators(path), why),
            QStringLiteral("Print"));
}
