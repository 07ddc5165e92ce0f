#include "startscreen.h"

#include "app/mainwindow.h"
#include "ui/services.h"
#include "storage/appstate.h"
#include "storage/fixedtext.h"
#include "storage/setnames.h"
#include "storage/storabletext.h"
#include "ui/dialogservice.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *wrapped(const QString &text, const char *name)
{
    auto *label = named(new QLabel(text), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

StartScreen::StartScreen(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Startup"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    load();
}

StartScreen *StartScreen::showNew(AppState &state, Services &services)
{
    auto *form = new StartScreen(state, services);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

void StartScreen::buildControls()
{
    Label1 = named(new QLabel(QStringLiteral("Quorvane?")), "Label1");
    QFont titleFont = Label1->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Colors::setForeground(Label1, QColor(20, 40, 140));

    Label4 = wrapped(QStringLiteral("If you would like to load a set of questions, select it "
                                    "from the list below."),
                     "Label4");
    File1 = named(new QListWidget, "File1");
    File1->setMinimumHeight(120);
    Label4->setBuddy(File1);
    File1->setAccessibleName(QStringLiteral("Question sets"));

    Label2 = wrapped(QStringLiteral("If you would like to create a new set of questions, enter "
                                    "the file name below. Do NOT add any file extensions or it "
                                    "will not run properly."),
                     "Label2");

    auto field = [](const QString &caption, const char *labelName, const char *boxName,
                    int maxLength, QLabel *&label, QLineEdit *&box) {
        label = named(new QLabel(caption), labelName);
        box = named(new QLineEdit, boxName);
        box->setMaxLength(maxLength);
        label->setBuddy(box);
        box->setAccessibleName(caption);
    };
    field(QStringLiteral("File Name"), "Label14", "Text1", 30, Label14, Text1);
    field(QStringLiteral("Your Name"), "Label15", "txt_name", 30, Label15, txt_name);
    field(QStringLiteral("Message"), "Label16", "txt_message", 150, Label16, txt_message);
    field(QStringLiteral("Password"), "Label5", "txt_pass", 6, Label5, txt_pass);

    Label7 = wrapped(QStringLiteral("NOTE: In order to stop people from altering the questions "
                                    "you have made, type in a password into the password box. "
                                    "It must be no more than 6 characters. Make sure you WRITE "
                                    "IT DOWN!"),
                     "Label7");
    Label7->setFrameShape(QFrame::StyledPanel);
    Label7->setMargin(6);
    Colors::setBackground(Label7, QColor(255, 248, 214));
    Label6 = wrapped(QStringLiteral("The beauty of this system is you can send and receive the "
                                    "question files between friends across the net and play "
                                    "what they have made. Other people may also want to play "
                                    "with your questions. To let everyone know who created "
                                    "these specific questions, enter your name and any message "
                                    "you would like to give to your players."),
                     "Label6");
    Label10 = wrapped(QStringLiteral("Visit our web site for updates and new question sets. "
                                     "Made a set you are proud of? Send us your .dat file and "
                                     "we will publish it there for everyone to play."),
                      "Label10");
    Label11 = named(new QLabel(QStringLiteral("www.quorvane.example")), "Label11");
    Label12 = named(new QLabel(QStringLiteral("feedback@quorvane.example")), "Label12");
    Line2 = named(new QFrame, "Line2");
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    Command1 = named(new QPushButton(QStringLiteral("Continue")), "Command1");
    Command1->setDefault(true);

    auto *fields = new QGridLayout;
    fields->addWidget(Label14, 0, 0);
    fields->addWidget(Text1, 0, 1);
    fields->addWidget(Label15, 1, 0);
    fields->addWidget(txt_name, 1, 1);
    fields->addWidget(Label16, 2, 0);
    fields->addWidget(txt_message, 2, 1);
    fields->addWidget(Label5, 3, 0);
    fields->addWidget(txt_pass, 3, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(Label2);
    left->addLayout(fields);
    left->addWidget(Label4);
    left->addWidget(File1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(Label7);
    right->addWidget(Label6);
    right->addStretch(1);
    right->addWidget(Label10);
    right->addWidget(Label11);
    right->addWidget(Label12);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(12);
    columns->addLayout(right, 2);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Command1);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Label1);
    outer->addLayout(columns, 1);
    outer->addWidget(Line2);
    outer->addLayout(bottom);

    setTabOrder(Text1, txt_name);
    setTabOrder(txt_name, txt_message);
    setTabOrder(txt_message, txt_pass);
    setTabOrder(txt_pass, File1);
    setTabOrder(File1, Command1);

    // Only a choice in the list fills the name box: tabbing into the list
    // makes a row current without selecting it, and must not replace a typed
    // name.
    connect(File1, &QListWidget::itemSelectionChanged, this, &StartScreen::File1_click);
    connect(File1, &QListWidget::itemClicked, this, &StartScreen::File1_click);
    connect(Command1, &QPushButton::clicked, this, &StartScreen::Command1_click);
    // Enter in any field means "Continue", as in a dialog.
    for (QLineEdit *box : {Text1, txt_name, txt_message, txt_pass})
        connect(box, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    resize(720, 480);
}

void StartScreen::load()
{
    // A fresh program folder has no Questions folder yet.
    QDir().mkpath(m_state.questionsDir());
    const QDir dir(m_state.questionsDir());
    const QStringList names =
        dir.entryList({QStringLiteral("*.dat*")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    File1->addItems(names);
    Text1->setFocus();
}

void StartScreen::File1_click()
{
    const QList<QListWidgetItem *> picked = File1->selectedItems();
    if (!picked.isEmpty())
        Text1->setText(picked.first()->text());
}

void StartScreen::Command1_click()
{
    if (!headerTextsStorable())
        return;
    if (!Text1->text().endsWith(QLatin1String(".dat"), Qt::CaseSensitive))
        Text1->setText(Text1->text() + QLatin1String(".dat"));
    const QString set_name = FixedText::trimSpaces(Text1->text());
    if (!setFileUsable(set_name))
        return;

    m_state.set_name = set_name;
    m_state.creator = txt_name->text();
    m_state.message = txt_message->text();
    m_state.password = FixedText::trimSpaces(txt_pass->text());
    if (FixedText::trimSpaces(txt_name->text()).isEmpty())
        m_state.creator = QStringLiteral("Not Given");
    if (FixedText::trimSpaces(txt_message->text()).isEmpty())
        m_state.message = QStringLiteral("No Message");

    // The main window is shown before this one closes, so that closing the
    // last window never ends the program on the way.
    MainWindow::showNew(m_state, m_services);
    close();
}

// A new set's header is stored in Windows-1252; a character it lacks would be
// stored as '?', and a password holding one could never be typed again.
bool StartScreen::headerTextsStorable()
{
    const std::pair<QLabel *, QLineEdit *> boxes[] = {
        {Label15, txt_name}, {Label16, txt_message}, {Label5, txt_pass}};
    for (const auto &[label, box] : boxes) {
        const QString problem = StorableText::problem(label->text(), box->text());
        if (problem.isEmpty())
            continue;
        m_services.dialogs->message(this, problem, QStringLiteral("Question Set"));
        box->setFocus();
        return false;
    }
    return true;
}

// Refuses a name that would leave the Questions folder or that the file
// system will not take, before anything is changed.
bool StartScreen::setFileUsable(const QString &set_name)
{
    const QString fileName = AppState::setFileName(set_name);
    QString problem = SetNames::problem(fileName);
    if (problem.isEmpty()) {
        QDir().mkpath(m_state.questionsDir());
        QFile file(m_state.setPathFor(set_name));
        const bool existed = file.exists();
        if (!file.open(QIODevice::ReadWrite))
            problem = QStringLiteral("The question set \"%1\" cannot be opened or created: %2")
                          .arg(fileName, file.errorString());
        else if (!existed)
            file.remove(); // the main window creates it and writes its header
    }
    if (problem.isEmpty())
        return true;
    m_services.dialogs->message(this, problem, QStringLiteral("Question Set"));
    return false;
}
