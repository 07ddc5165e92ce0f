#include "mainwindow.h"

#include "app/startscreen.h"
#include "game/gamescreen.h"
#include "manage/questionmanager.h"
#include "ui/services.h"
#include "storage/appstate.h"
#include "storage/fixedtext.h"
#include "storage/ladder.h"
#include "storage/questionrecord.h"
#include "storage/setadding.h"
#include "storage/setfile.h"
#include "storage/setstore.h"
#include "storage/storabletext.h"
#include "ui/dialogservice.h"
#include "ui/aboutscreen.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(const QString &text, const QString &name)
{
    return named(new QLabel(text), name);
}

QString count(int n)
{
    return QString::number(n);
}

const QString kFileTitle = QStringLiteral("Question Set");

// The first typed text that a set file cannot hold, described; or empty.
QString unstorable(std::initializer_list<std::pair<QString, const QLineEdit *>> boxes)
{
    for (const auto &[field, box] : boxes) {
        const QString problem = StorableText::problem(field, StorableText::upperCased(box->text()));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

MainWindow::MainWindow(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane?"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    load();
}

MainWindow *MainWindow::showNew(AppState &state, Services &services)
{
    auto *form = new MainWindow(state, services);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->activate();
    return form;
}

// ---------------------------------------------------------------- controls

void MainWindow::buildControls()
{
    Label1 = label(QStringLiteral("Quorvane?"), QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Colors::setForeground(Label1, QColor(20, 40, 140)); // as on the start screen
    Label5 = label(QStringLiteral("Add a question for every round, then press Play Game."),
                   QStringLiteral("Label5"));
    Label5->setWordWrap(true);

    Frame2 = named(new QGroupBox(QStringLiteral("Question Stats")), QStringLiteral("Frame2"));
    Frame2->setLayout(buildStats());
    fra_add = named(new QGroupBox(QStringLiteral("Add Questions")), QStringLiteral("fra_add"));
    fra_add->setLayout(buildAddFrame());
    Frame1 = named(new QGroupBox(QStringLiteral("Question Details")), QStringLiteral("Frame1"));
    Frame1->setLayout(buildDetails());

    auto button = [](const QString &caption, const QString &name) {
        auto *b = named(new QPushButton(caption), name);
        b->setMinimumWidth(150);
        return b;
    };
    cmd_play = button(QStringLiteral("Play Game"), QStringLiteral("cmd_play"));
    cmd_view = button(QStringLiteral("Manage Questions"), QStringLiteral("cmd_view"));
    cmd_new = button(QStringLiteral("New Question Set"), QStringLiteral("cmd_new"));
    cmd_about = button(QStringLiteral("About Game"), QStringLiteral("cmd_about"));
    cmd_quit = button(QStringLiteral("Quit"), QStringLiteral("cmd_quit"));

    auto *left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(Label5);
    left->addWidget(Frame2);
    left->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(12);
    top->addWidget(fra_add, 1);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmd_play, cmd_view, cmd_new, cmd_about, cmd_quit})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(buttons);
    bottom->addSpacing(12);
    bottom->addWidget(Frame1, 1);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(bottom, 1);

    setTabOrder(txt_q, txt_a1);
    setTabOrder(txt_a1, opt_a);
    setTabOrder(opt_a, txt_a2);
    setTabOrder(txt_a2, opt_b);
    setTabOrder(opt_b, txt_a3);
    setTabOrder(txt_a3, opt_c);
    setTabOrder(opt_c, txt_a4);
    setTabOrder(txt_a4, opt_d);
    setTabOrder(opt_d, cmb_round);
    setTabOrder(cmb_round, txt_pass);
    setTabOrder(txt_pass, cmd_add);
    setTabOrder(cmd_add, cmd_play);
    setTabOrder(cmd_play, cmd_view);
    setTabOrder(cmd_view, cmd_new);
    setTabOrder(cmd_new, cmd_about);
    setTabOrder(cmd_about, cmd_quit);

    resize(800, 540);

    connect(cmd_play, &QPushButton::clicked, this, &MainWindow::cmd_play_click);
    connect(cmd_view, &QPushButton::clicked, this, &MainWindow::cmd_view_click);
    connect(cmd_new, &QPushButton::clicked, this, &MainWindow::cmd_new_click);
    connect(cmd_about, &QPushButton::clicked, this, &MainWindow::cmd_about_click);
    connect(cmd_quit, &QPushButton::clicked, this, &MainWindow::cmd_quit_click);
    connect(cmd_add, &QPushButton::clicked, this, &MainWindow::cmd_add_click);
}

QLayout *MainWindow::buildStats()
{
    const std::array<QLabel **, 15> amounts = {
        &Label8,  &Label9,  &Label10, &Label11, &Label12, &Label13, &Label14, &Label15,
        &Label16, &Label17, &Label18, &Label19, &Label20, &Label21, &Label22,
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setColumnMinimumWidth(2, 20);
    for (int i = 0; i < 15; ++i) {
        // The first amount has no colon; the others do.
        const QString text = Ladder::amount(i + 1) + (i == 0 ? QString() : QStringLiteral(":"));
        *amounts[i] = label(text, QStringLiteral("Label%1").arg(8 + i));
        t[i] = label(QStringLiteral("0"), QStringLiteral("t%1").arg(i));
        t[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t[i]->setMinimumWidth(t[i]->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        const int row = i % 8;
        const int column = i < 8 ? 0 : 3;
        grid->addWidget(*amounts[i], row, column);
        grid->addWidget(t[i], row, column + 1);
    }
    Label3 = label(QStringLiteral("TOTAL"), QStringLiteral("Label3"));
    lbl_total = label(QStringLiteral("0"), QStringLiteral("lbl_total"));
    lbl_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    lbl_total->setFont(bold);
    grid->addWidget(Label3, 7, 3);
    grid->addWidget(lbl_total, 7, 4);
    return grid;
}

QLayout *MainWindow::buildAddFrame()
{
    auto *grid = new QGridLayout;
    auto field = [&](const QString &caption, const QString &labelName, const QString &boxName,
                     int maxLength) {
        auto *box = named(new QLineEdit, boxName);
        box->setMaxLength(maxLength);
        box->setAccessibleName(caption);
        auto *beside = label(caption, labelName);
        beside->setBuddy(box);
        return std::pair{beside, box};
    };

    auto [lblQ, q] = field(QStringLiteral("Question"), QStringLiteral("lbl_question"),
                           QStringLiteral("txt_q"), QuestionRecord::QUESTION_WIDTH);
    txt_q = q;
    grid->addWidget(lblQ, 0, 0);
    grid->addWidget(txt_q, 0, 1, 1, 2);

    auto *rightHeading = label(QStringLiteral("Right"), QStringLiteral("lbl_right"));
    grid->addWidget(rightHeading, 1, 2, Qt::AlignCenter);

    m_answers = new QButtonGroup(this);
    QLineEdit **boxes[] = {&txt_a1, &txt_a2, &txt_a3, &txt_a4};
    QRadioButton **options[] = {&opt_a, &opt_b, &opt_c, &opt_d};
    for (int i = 0; i < 4; ++i) {
        const QChar letter = QChar(u'A' + i);
        auto [beside, box] = field(QStringLiteral("Answer %1").arg(letter),
                                   QStringLiteral("lbl_answer_%1").arg(letter.toLower()),
                                   QStringLiteral("txt_a%1").arg(i + 1),
                                   QuestionRecord::ANSWER_WIDTH);
        *boxes[i] = box;
        auto *option = named(new QRadioButton, QStringLiteral("opt_%1").arg(letter.toLower()));
        option->setAccessibleName(QStringLiteral("Answer %1 is right").arg(letter));
        option->setToolTip(option->accessibleName());
        m_answers->addButton(option, i);
        *options[i] = option;
        grid->addWidget(beside, 2 + i, 0);
        grid->addWidget(box, 2 + i, 1);
        grid->addWidget(option, 2 + i, 2, Qt::AlignCenter);
    }

    cmb_round = named(new QComboBox, QStringLiteral("cmb_round"));
    cmb_round->setEditable(true);
    cmb_round->setInsertPolicy(QComboBox::NoInsert);
    cmb_round->setAccessibleName(QStringLiteral("Round"));
    cmb_round->setMinimumContentsLength(12);
    cmb_round->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *lblRound = label(QStringLiteral("Round"), QStringLiteral("lbl_round"));
    lblRound->setBuddy(cmb_round);
    grid->addWidget(lblRound, 6, 0);
    grid->addWidget(cmb_round, 6, 1, Qt::AlignLeft);

    auto [lblPass, pass] = field(QStringLiteral("Password"), QStringLiteral("lbl_pass"),
                                 QStringLiteral("txt_pass"), QuestionRecord::ANSWER_WIDTH);
    txt_pass = pass;
    TextDisplay::maskWithStars(txt_pass);
    grid->addWidget(lblPass, 7, 0);
    grid->addWidget(txt_pass, 7, 1, Qt::AlignLeft);
    txt_pass->setMinimumWidth(cmb_round->sizeHint().width());

    cmd_add = named(new QPushButton(QStringLiteral("Add Question")), QStringLiteral("cmd_add"));
    grid->addWidget(cmd_add, 8, 1, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);
    return grid;
}

QLayout *MainWindow::buildDetails()
{
    lbl_qset1 = label(QStringLiteral("Current Question Set:"), QStringLiteral("lbl_qset1"));
    lbl_qset2 = label(QString(), QStringLiteral("lbl_qset2"));
    Label2 = label(QStringLiteral("Created By:"), QStringLiteral("Label2"));
    lbl_name = label(QString(), QStringLiteral("lbl_name"));
    lbl_m = label(QStringLiteral("Message"), QStringLiteral("lbl_m"));
    lbl_message = label(QString(), QStringLiteral("lbl_message"));
    lbl_message->setWordWrap(true);
    lbl_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl_message->setMinimumHeight(3 * lbl_message->fontMetrics().lineSpacing());
    for (QLabel *value : {lbl_qset2, lbl_name, lbl_message})
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lbl_m->font();
    bold.setBold(true);
    for (QLabel *caption : {lbl_qset1, Label2, lbl_m})
        caption->setFont(bold);

    auto *grid = new QGridLayout;
    grid->addWidget(lbl_qset1, 0, 0);
    grid->addWidget(lbl_qset2, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(lbl_name, 1, 1);
    grid->addWidget(lbl_m, 2, 0, 1, 2);
    grid->addWidget(lbl_message, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return grid;
}

// ------------------------------------------------------- load and activate

void MainWindow::load()
{
    txt_q->setMaxLength(QuestionRecord::QUESTION_WIDTH);
    for (QLineEdit *box : {txt_a1, txt_a2, txt_a3, txt_a4})
        box->setMaxLength(QuestionRecord::ANSWER_WIDTH);
    cmb_round->addItems(Ladder::amounts());

    m_state.set_path = m_state.setPathFor(m_state.set_name);
    lbl_qset2->setText(AppState::setFileName(m_state.set_name));
    m_state.SET_RECORD_LEN = QuestionRecord::LENGTH;

    QDir().mkpath(m_state.questionsDir());
    SetFile file(m_state.set_path);
    if (!file.open()) {
        reportFileProblem(QStringLiteral("The question set cannot be opened."),
                          file.errorString());
        m_setOpened = false;
        showCounts({});
        clear_fields();
        return;
    }
    if (m_state.record_count < 1)
        m_state.record_count = file.recordCount();
    file.close();

    if (headerStep())
        totals();
    else
        showCounts({});
    clear_fields();
}

void MainWindow::activate()
{
    // A set that could not be opened is never given a header: its real
    // records may be behind the error.
    if (m_setOpened && headerStep())
        totals();
    else
        showCounts({});
    clear_fields();
}

// Shows the details of the set's header, or writes the header of a new set.
// False when the file let us down (already reported).
bool MainWindow::headerStep()
{
    if (m_state.record_count >= 1) {
        QString error;
        const auto header = SetStore::findHeader(m_state.set_path, &error);
        if (!error.isEmpty()) {
            reportFileProblem(QStringLiteral("The question set cannot be read."), error);
            return false;
        }
        if (!header) {
            m_services.dialogs->message(this, QStringLiteral("Question creator not found"),
                                        QStringLiteral("Creator"));
            return true;
        }
        lbl_name->setText(header->record.answer_a);
        lbl_message->setText(header->record.question);
        lbl_m->setText(QStringLiteral("Message from ") + header->record.answer_a);
        return true;
    }

    const QuestionRecord header =
        QuestionRecord::header(m_state.message, m_state.creator, m_state.password);
    QString error;
    if (!SetStore::append(m_state.set_path, m_state.record_count, header, &error)) {
        reportFileProblem(QStringLiteral("The details of the new question set cannot be saved."),
                          error);
        return false;
    }
    lbl_name->setText(m_state.creator);
    lbl_message->setText(m_state.message);
    return true;
}

void MainWindow::totals()
{
    showCounts({});
    QString error;
    const SetStore::RoundCounts counts = SetStore::countRounds(m_state.set_path, &error);
    if (!error.isEmpty()) {
        reportFileProblem(QStringLiteral("The questions cannot be counted."), error);
        return;
    }
    showCounts(counts);
}

void MainWindow::showCounts(const std::array<int, 15> &counts)
{
    int total = 0;
    for (int i = 0; i < 15; ++i) {
        t[i]->setText(count(counts[i]));
        TextDisplay::setSpokenName(t[i], QStringLiteral("Questions for %1: %2")
                                             .arg(Ladder::amount(i + 1), t[i]->text()));
        total += counts[i];
    }
    lbl_total->setText(count(total));
    TextDisplay::setSpokenName(lbl_total, QStringLiteral("Total questions: ") + lbl_total->text());
}

void MainWindow::clear_fields()
{
    // An exclusive group keeps one button checked; lift that to clear them.
    m_answers->setExclusive(false);
    for (QAbstractButton *option : m_answers->buttons())
        option->setChecked(false);
    m_answers->setExclusive(true);
    cmb_round->setCurrentIndex(-1);
    cmb_round->setEditText(QStringLiteral("Select Round"));
    for (QLineEdit *box : {txt_q, txt_a1, txt_a2, txt_a3, txt_a4})
        box->clear();
}

// ------------------------------------------------------------------ buttons

void MainWindow::cmd_play_click()
{
    for (QLabel *roundCount : t) {
        if (roundCount->text() == QLatin1String("0")) {
            m_services.dialogs->message(
                this, QStringLiteral("You Must Have At Least One Question For Each Round"),
                QStringLiteral("Questions"));
            return;
        }
    }
    openGame();
}

void MainWindow::cmd_view_click()
{
    openManager();
}

void MainWindow::cmd_new_click()
{
    m_state.record_count = 0;
    // The start screen is up before this window goes, so the program never
    // finds itself without a window.
    StartScreen::showNew(m_state, m_services);
    m_closingForNewSet = true;
    close();
}

void MainWindow::cmd_about_click()
{
    AboutScreen::showModal(m_state, m_services, this);
    activate();
}

void MainWindow::cmd_quit_click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closingForNewSet)
        return;
    // Closing the main window ends the program, whatever else is open.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    QApplication::quit();
}

void MainWindow::openGame()
{
    GameScreen::play(this, m_state, m_services);
    activate();
}

void MainWindow::openManager()
{
    // A refused password opened nothing, so there is nothing to refresh and
    // the add-question fields keep what was typed.
    if (QuestionManager::openGuarded(this, m_state, m_services))
        activate();
}

// ------------------------------------------------------------ adding

void MainWindow::cmd_add_click()
{
    QString error;
    const bool passwordOk =
        SetAdding::passwordMatches(m_state.set_path, txt_pass->text(), &error);
    if (!error.isEmpty()) {
        reportFileProblem(QStringLiteral("The question was not added."), error);
        return;
    }
    if (!passwordOk) {
        m_services.dialogs->message(this, QStringLiteral("Password Incorrect"),
                                    QStringLiteral("Password"));
        return;
    }

    const int round = chosenRound();
    const bool anyEmpty = txt_q->text().isEmpty() || txt_a1->text().isEmpty()
                          || txt_a2->text().isEmpty() || txt_a3->text().isEmpty()
                          || txt_a4->text().isEmpty();
    if (anyEmpty || round == 0) {
        m_services.dialogs->message(this, QStringLiteral("Fill In All Fields"),
                                    QStringLiteral("Fields"));
        return;
    }

    const QString right = rightLetter();
    if (right.isEmpty()) {
        m_services.dialogs->message(this, QStringLiteral("Choose Correct Answer Box"),
                                    QStringLiteral("Answer"));
        return;
    }

    QString problem = unstorable({{QStringLiteral("The question"), txt_q},
                                  {QStringLiteral("Answer A"), txt_a1},
                                  {QStringLiteral("Answer B"), txt_a2},
                                  {QStringLiteral("Answer C"), txt_a3},
                                  {QStringLiteral("Answer D"), txt_a4}});
    if (!problem.isEmpty()) {
        m_services.dialogs->message(this, problem, QStringLiteral("Add Question"));
        return;
    }
    const auto slot = SetAdding::nextSlot(m_state.set_path, m_state.record_count, &problem);
    if (!slot) {
        m_services.dialogs->message(this, problem, QStringLiteral("Add Question"));
        return;
    }
    QuestionRecord record;
    record.round = qint16(round);
    record.number = qint16(slot->number);
    record.question = StorableText::upperCased(txt_q->text());
    record.answer_a = StorableText::upperCased(txt_a1->text());
    record.answer_b = StorableText::upperCased(txt_a2->text());
    record.answer_c = StorableText::upperCased(txt_a3->text());
    record.answer_d = StorableText::upperCased(txt_a4->text());
    record.right_answer = right;
    m_state.record_count = slot->record - 1;
    if (!SetStore::append(m_state.set_path, m_state.record_count, record, &error)) {
        reportFileProblem(QStringLiteral("The question was not added."), error);
        return;
    }

    m_services.dialogs->message(this, QStringLiteral("Question Added"), QStringLiteral("Added"));
    clear_fields();
    totals();
}

int MainWindow::chosenRound() const
{
    // Text typed over a picked entry no longer stands for that entry.
    const int index = cmb_round->currentIndex();
    if (index < 0 || cmb_round->currentText() != cmb_round->itemText(index))
        return 0;
    return index + 1;
}

QString MainWindow::rightLetter() const
{
    const int checked = m_answers->checkedId();
    return checked < 0 ? QString() : QString(QChar(u'a' + checked));
}

void MainWindow::reportFileProblem(const QString &what, const QString &error)
{
    m_services.dialogs->message(this, what + QLatin1Char('\n') + error, kFileTitle);
}
