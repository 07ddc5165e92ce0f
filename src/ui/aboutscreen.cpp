#include "aboutscreen.h"

#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const char *const kLegalText = QT_TRANSLATE_NOOP("AboutScreen",
    "DISCLAIMER\n"
    "\n"
    "Quorvane is given away free of charge. Its makers accept no responsibility for any "
    "damage that the direct or indirect use of this software may do to your computer or "
    "to anything stored on it. You use it entirely at your own risk.\n"
    "\n"
    "LEGAL INFORMATION\n"
    "\n"
    "Quorvane was written by the Quorvane team, a small group of volunteers who make quiz "
    "games for fun.\n"
    "\n"
    "The software must not be used for anything other than what it is meant for: playing "
    "quiz games and making question sets for them.\n"
    "\n"
    "Anyone may offer Quorvane for download on their own web site. Linking directly to the "
    "download on our own site is not allowed; please link to our home page instead.\n"
    "\n"
    "Other quiz games inspired Quorvane, but no part of it is copied from any of them: the "
    "program, its pictures and its sounds were all made by its makers.\n"
    "\n"
    "CONTACT\n"
    "\n"
    "Updates and new question sets are published on our web site:\n"
    "www.quorvane.example\n"
    "\n"
    "If you find a fault in the software, please report it with as much detail as you can "
    "(what you did, what you expected and what happened instead) to:\n"
    "feedback@quorvane.example\n"
    "\n"
    "We would also love to hear your comments and wishes about the software. Tell us what "
    "you like, what you miss and what we could do better.");

QLabel *banner(const QString &text, const char *name, qreal pointSize, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(Fonts::dialog(pointSize, true));
    Colors::setPair(label, Colors::caption);
    return label;
}

} // namespace

// An ordinary window, as it always was, that exec() makes modal.
AboutScreen::AboutScreen(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("About Game"));
    WindowIcon::apply(this);
    Twips::setClientSize(this, 5640, 5985);
    Colors::setPair(this, Colors::form);

    auto *title = banner(tr("About Game"), "Label1", 13.5, this);
    title->setAlignment(Qt::AlignCenter);
    Twips::place(title, 120, 120, 5415, 375);

    auto *version = banner(tr("Version %1").arg(QStringLiteral("1.0.0")), "Label2", 8.25, this);
    Twips::place(version, 120, 600, 5415, 255);

    auto *legal = new QPlainTextEdit(this);
    legal->setObjectName(QStringLiteral("Text2"));
    legal->setAccessibleName(tr("Legal information"));
    legal->setReadOnly(true);
    legal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    legal->setPlainText(tr(kLegalText));
    Twips::place(legal, 120, 960, 5415, 4095);

    auto *helpNote = banner(tr("Troubleshooting and FAQ coming in next update"),
                            "Label3", 8.25, this);
    Twips::place(helpNote, 120, 5160, 5415, 255);

    auto *back = new QPushButton(tr("Back"), this);
    back->setObjectName(QStringLiteral("Command1"));
    Twips::place(back, 3840, 5520, 1695, 375);
    back->setDefault(true);
    back->setFocus();
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    Zoom::attach(this);
}
