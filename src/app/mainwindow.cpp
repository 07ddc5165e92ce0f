#include "mainwindow.h"

#include "app/navigator.h"
#include "game/gamescreen.h"
#include "manage/questionmanager.h"
#include "storage/appstate.h"
#include "storage/filewatch.h"
#include "storage/ladder.h"
#include "ui/aboutscreen.h"
#include "ui/dialogservice.h"
#include "ui/geometry.h"
#include "ui/modalscreen.h"
#include "ui/services.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"
#include "ui/wrappedlabel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
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

// A text box of the add frame with its caption beside it.
std::pair<QLabel *, QLineEdit *> labelledBox(const QString &caption, const QString &labelName,
                                             const QString &boxName, int maxLength)
{
    auto *box = named(new QLineEdit, boxName);
    box->setMaxLength(maxLength);
    box->setAccessibleName(caption);
    auto *beside = label(caption, labelName);
    beside->setBuddy(box);
    return {beside, box};
}

QGroupBox *frame(const QString &title, const QString &name, QLayout *contents)
{
    auto *box = named(new QGroupBox(title), name);
    box->setLayout(contents);
    return box;
}

const char *const kFileTitle = QT_TRANSLATE_NOOP("MainWindow", "Question Set");
const char *const kNotAdded = QT_TRANSLATE_NOOP("MainWindow", "The question was not added.");

} // namespace

MainWindow::MainWindow(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(services)
    , m_set(state.folders.setPathFor(state.set.name))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Quorvane?"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    load();
    Zoom::attach(this, m_services.settings);
    // Ctrl+Q ends the program as the close box does.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);
    if (m_setOpened)
        watchSet();
}

void MainWindow::watchSet()
{
    delete m_watch;
    m_watch = new FileWatch(m_set.path(), this);
    connect(m_watch, &FileWatch::changed, this, &MainWindow::followSet);
}

// ---------------------------------------------------------------- controls

void MainWindow::buildControls()
{
    auto *title = label(tr("Quorvane?"), QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    Colors::setForeground(title, Colors::title(palette())); // as on the start screen
    auto *hint = named(new WrappedLabel(tr("Add a question for every round, then press Play Game.")),
                       QStringLiteral("Label5"));

    auto *stats = frame(tr("Question Stats"), QStringLiteral("Frame2"), buildStats());
    auto *adding = frame(tr("Add Questions"), QStringLiteral("fra_add"),
                         buildAddFrame());
    auto *details = frame(tr("Question Details"), QStringLiteral("Frame1"),
                          buildDetails());

    auto *left = new QVBoxLayout;
    left->addWidget(title);
    left->addWidget(hint);
    left->addWidget(stats);
    left->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(12);
    top->addWidget(adding, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(buildButtons());
    bottom->addSpacing(12);
    bottom->addWidget(details, 1);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(bottom, 1);

    QWidget *order[] = {m_questionBox,    m_answerBoxes[0],        m_rightAnswer->button(0),
                        m_answerBoxes[1], m_rightAnswer->button(1), m_answerBoxes[2],
                        m_rightAnswer->button(2), m_answerBoxes[3], m_rightAnswer->button(3),
                        m_roundBox,       m_passwordBox,           m_addButton,
                        m_playButton,     m_manageButton,          m_newSetButton,
                        m_aboutButton,    m_quitButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(800, 540);
}

QLayout *MainWindow::buildStats()
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setColumnMinimumWidth(2, 20);
    for (int i = 0; i < 15; ++i) {
        // The first amount has no colon; the others do.
        const QString text = Ladder::amount(i + 1) + (i == 0 ? QString() : QStringLiteral(":"));
        QLabel *amount = label(text, QStringLiteral("Label%1").arg(8 + i));
        QLabel *&count = m_roundCounts[i];
        count = label(QStringLiteral("0"), QStringLiteral("t%1").arg(i));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        const int row = i % 8;
        const int column = i < 8 ? 0 : 3;
        grid->addWidget(amount, row, column);
        grid->addWidget(count, row, column + 1);
    }
    auto *totalCaption = label(tr("TOTAL"), QStringLiteral("Label3"));
    m_totalCount = label(QStringLiteral("0"), QStringLiteral("lbl_total"));
    m_totalCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = totalCaption->font();
    bold.setBold(true);
    totalCaption->setFont(bold);
    m_totalCount->setFont(bold);
    grid->addWidget(totalCaption, 7, 3);
    grid->addWidget(m_totalCount, 7, 4);
    return grid;
}

QLayout *MainWindow::buildAddFrame()
{
    auto *grid = new QGridLayout;
    auto [questionLabel, questionBox] =
        labelledBox(tr("Question"), QStringLiteral("lbl_question"),
                    QStringLiteral("txt_q"), QuestionRecord::QUESTION_WIDTH);
    m_questionBox = questionBox;
    grid->addWidget(questionLabel, 0, 0);
    grid->addWidget(m_questionBox, 0, 1, 1, 2);
    grid->addWidget(label(tr("Right"), QStringLiteral("lbl_right")), 1, 2,
                    Qt::AlignCenter);

    m_rightAnswer = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const QChar letter = QChar(u'A' + i);
        auto [beside, box] = labelledBox(tr("Answer %1").arg(letter),
                                         QStringLiteral("lbl_answer_%1").arg(letter.toLower()),
                                         QStringLiteral("txt_a%1").arg(i + 1),
                                         QuestionRecord::ANSWER_WIDTH);
        m_answerBoxes[i] = box;
        auto *option = named(new QRadioButton, QStringLiteral("opt_%1").arg(letter.toLower()));
        option->setAccessibleName(tr("Answer %1 is right").arg(letter));
        option->setToolTip(option->accessibleName());
        m_rightAnswer->addButton(option, i);
        grid->addWidget(beside, 2 + i, 0);
        grid->addWidget(box, 2 + i, 1);
        grid->addWidget(option, 2 + i, 2, Qt::AlignCenter);
    }
    addRoundAndPassword(grid);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);
    return grid;
}

void MainWindow::addRoundAndPassword(QGridLayout *grid)
{
    // A list to choose from: nothing typed stands for a round.
    m_roundBox = named(new QComboBox, QStringLiteral("cmb_round"));
    m_roundBox->setPlaceholderText(tr("Select Round"));
    m_roundBox->setAccessibleName(tr("Round"));
    m_roundBox->setMinimumContentsLength(12);
    m_roundBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *roundLabel = label(tr("Round"), QStringLiteral("lbl_round"));
    roundLabel->setBuddy(m_roundBox);
    grid->addWidget(roundLabel, 6, 0);
    grid->addWidget(m_roundBox, 6, 1, Qt::AlignLeft);
    // A reader says nothing when the arrow keys change a closed list, so the
    // prize chosen is told as a notice too: a label with no room of its own.
    m_roundSaid = named(new QLabel(this), QStringLiteral("lbl_round_said"));
    m_roundSaid->resize(0, 0);
    TextDisplay::makeNotice(m_roundSaid);
    connect(m_roundBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || !m_roundBox->hasFocus() || m_roundBox->view()->isVisible())
            return;
        m_roundSaid->setText(m_roundBox->currentText());
        TextDisplay::announce(m_roundSaid);
    });

    auto [passwordLabel, passwordBox] =
        labelledBox(tr("Password"), QStringLiteral("lbl_pass"),
                    QStringLiteral("txt_pass"), QuestionRecord::ANSWER_WIDTH);
    m_passwordBox = passwordBox;
    TextDisplay::maskWithStars(m_passwordBox);
    grid->addWidget(passwordLabel, 7, 0);
    grid->addWidget(m_passwordBox, 7, 1, Qt::AlignLeft);
    m_passwordBox->setMinimumWidth(m_roundBox->sizeHint().width());

    m_addButton = named(new QPushButton(tr("Add Question")),
                        QStringLiteral("cmd_add"));
    grid->addWidget(m_addButton, 8, 1, 1, 2, Qt::AlignRight);
    connect(m_addButton, &QPushButton::clicked, this, &MainWindow::addQuestion);
}

QLayout *MainWindow::buildButtons()
{
    auto *buttons = new QVBoxLayout;
    auto button = [buttons](const QString &caption, const QString &name) {
        auto *b = named(new QPushButton(caption), name);
        b->setMinimumWidth(150);
        buttons->addWidget(b);
        return b;
    };
    m_playButton = button(tr("Play Game"), QStringLiteral("cmd_play"));
    m_manageButton = button(tr("Manage Questions"), QStringLiteral("cmd_view"));
    m_newSetButton = button(tr("New Question Set"), QStringLiteral("cmd_new"));
    m_aboutButton = button(tr("About Game"), QStringLiteral("cmd_about"));
    m_quitButton = button(tr("Quit"), QStringLiteral("cmd_quit"));
    buttons->addStretch(1);
    connect(m_playButton, &QPushButton::clicked, this, &MainWindow::play);
    connect(m_manageButton, &QPushButton::clicked, this, &MainWindow::manageQuestions);
    connect(m_newSetButton, &QPushButton::clicked, this, &MainWindow::startNewSet);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(m_quitButton, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

QLayout *MainWindow::buildDetails()
{
    auto *setCaption = label(tr("Current Question Set:"), QStringLiteral("lbl_qset1"));
    m_setNameLabel = label(QString(), QStringLiteral("lbl_qset2"));
    auto *creatorCaption = label(tr("Created By:"), QStringLiteral("Label2"));
    m_creatorLabel = label(QString(), QStringLiteral("lbl_name"));
    m_messageCaption = label(tr("Message"), QStringLiteral("lbl_m"));
    m_messageLabel = named(new WrappedLabel, QStringLiteral("lbl_message"));
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel->setMinimumHeight(3 * m_messageLabel->fontMetrics().lineSpacing());
    for (QLabel *value : {m_setNameLabel, m_creatorLabel, m_messageLabel})
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_messageCaption->font();
    bold.setBold(true);
    for (QLabel *caption : {setCaption, creatorCaption, m_messageCaption})
        caption->setFont(bold);

    auto *grid = new QGridLayout;
    grid->addWidget(setCaption, 0, 0);
    grid->addWidget(m_setNameLabel, 0, 1);
    grid->addWidget(creatorCaption, 1, 0);
    grid->addWidget(m_creatorLabel, 1, 1);
    grid->addWidget(m_messageCaption, 2, 0, 1, 2);
    grid->addWidget(m_messageLabel, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return grid;
}

// ------------------------------------------------------- load and activate

void MainWindow::load()
{
    m_roundBox->addItems(Ladder::amounts());
    m_state.set.path = m_set.path();
    m_setNameLabel->setText(ProgramFolders::setFileName(m_state.set.name));

    QString error;
    const std::optional<int> records = m_set.openCounting(&error);
    // A set that could not be opened is never given a header: its real
    // records may be behind the error.
    m_setOpened = records.has_value();
    if (!m_setOpened)
        reportFileProblem(tr("The question set cannot be opened."), error);
    else
        m_recordCount = *records;
    activate();
}

void MainWindow::activate()
{
    if (m_setOpened && headerStep())
        recount();
    else
        showCounts({});
    clearFields();
}

// Shows the details of the set's header, or writes the header of a new set.
// False when the file let us down (already reported).
bool MainWindow::headerStep()
{
    return m_recordCount >= 1 ? showHeader() : writeNewHeader();
}

bool MainWindow::showHeader()
{
    QString error;
    const auto header = m_set.findHeader(&error);
    if (!error.isEmpty()) {
        reportFileProblem(tr("The question set cannot be read."), error);
        return false;
    }
    if (!header) {
        m_services.dialogs->message(this, tr("Question creator not found"),
                                    tr("Creator"));
        return true;
    }
    showDetails(header->record);
    return true;
}

void MainWindow::showDetails(const QuestionRecord &header)
{
    m_creatorLabel->setText(header.answer_a);
    m_messageLabel->setText(header.question);
    m_messageCaption->setText(tr("Message from %1").arg(header.answer_a));
}

// Another program changed the set: its details and counts follow without a
// word. This only reads: a set that has gone shows no questions and is not
// made again.
void MainWindow::followSet()
{
    QString error;
    if (const auto header = m_set.findHeader(&error))
        showDetails(header->record);
    error.clear();
    const QuestionSet::RoundCounts counts = m_set.countRounds(&error);
    showCounts(error.isEmpty() ? counts : QuestionSet::RoundCounts{});
}

bool MainWindow::writeNewHeader()
{
    const QuestionRecord header =
        QuestionRecord::header(m_state.newSet.message, m_state.newSet.creator,
                               m_state.newSet.password);
    QString error;
    if (m_set.writeHeader(m_recordCount, header, &error) != QuestionSet::Change::Done) {
        reportFileProblem(tr("The details of the new question set cannot be saved."),
                          error);
        return false;
    }
    // Another program made the set first: its header is the one that counts.
    if (m_recordCount > 1)
        return showHeader();
    m_creatorLabel->setText(m_state.newSet.creator);
    m_messageLabel->setText(m_state.newSet.message);
    return true;
}

std::optional<QuestionSet::RoundCounts> MainWindow::recount()
{
    showCounts({});
    QString error;
    const QuestionSet::RoundCounts counts = m_set.countRounds(&error);
    if (!error.isEmpty()) {
        reportFileProblem(tr("The questions cannot be counted."), error);
        return std::nullopt;
    }
    showCounts(counts);
    return counts;
}

void MainWindow::showCounts(const QuestionSet::RoundCounts &counts)
{
    int total = 0;
    for (int i = 0; i < 15; ++i) {
        m_roundCounts[i]->setText(QString::number(counts[i]));
        TextDisplay::setSpokenName(m_roundCounts[i],
                                   tr("Questions for %1: %2")
                                       .arg(Ladder::amount(i + 1), m_roundCounts[i]->text()));
        total += counts[i];
    }
    m_totalCount->setText(QString::number(total));
    TextDisplay::setSpokenName(m_totalCount,
                               tr("Total questions: %1").arg(m_totalCount->text()));
}

void MainWindow::clearFields()
{
    // An exclusive group keeps one button checked; lift that to clear them.
    m_rightAnswer->setExclusive(false);
    for (QAbstractButton *option : m_rightAnswer->buttons())
        option->setChecked(false);
    m_rightAnswer->setExclusive(true);
    m_roundBox->setCurrentIndex(-1);
    m_questionBox->clear();
    for (QLineEdit *box : m_answerBoxes)
        box->clear();
}

// ------------------------------------------------------------------ buttons

void MainWindow::play()
{
    if (Modal::blocks(this))
        return;
    // Another program may have changed the set since it was counted: the set
    // as it is now decides, and the counts show it.
    const std::optional<QuestionSet::RoundCounts> counts = recount();
    if (!counts)
        return;
    if (!QuestionSet::playable(*counts)) {
        m_services.dialogs->message(
            this, tr("You Must Have At Least One Question For Each Round"),
            tr("Questions"));
        return;
    }
    if (GameScreen::play(this, m_state.folders, m_state.set, m_services))
        activate();
}

void MainWindow::manageQuestions()
{
    if (Modal::blocks(this) || !changeableSet())
        return;
    // A refused password opened nothing, so there is nothing to refresh and
    // the add-question fields keep what was typed.
    if (QuestionManager::openGuarded(this, m_state.set.path, m_services))
        activate();
}

void MainWindow::startNewSet()
{
    if (Modal::blocks(this))
        return;
    // The start screen is up before this window goes, so the program never
    // finds itself without a window.
    Navigator::openStartScreen(m_state, m_services);
    m_closingForNewSet = true;
    close();
}

void MainWindow::showAbout()
{
    if (Modal::blocks(this))
        return;
    ModalScreen about(new AboutScreen(this));
    if (about.run())
        activate();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing would take the modal screen that runs over this window with it.
    if (Modal::blocks(this)) {
        event->ignore();
        return;
    }
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

// ------------------------------------------------------------ adding

void MainWindow::addQuestion()
{
    if (Modal::blocks(this) || !changeableSet() || !passwordAccepted())
        return;
    const std::optional<QuestionRecord> typed = typedQuestion();
    if (!typed)
        return;
    QString problem;
    const QuestionSet::Change added = m_set.add(*typed, m_recordCount, &problem);
    if (added == QuestionSet::Change::Failed) {
        reportFileProblem(tr(kNotAdded), problem);
        return;
    }
    if (added != QuestionSet::Change::Done) {
        m_services.dialogs->message(this, problem, tr("Add Question"));
        return;
    }
    m_services.dialogs->message(this, tr("Question Added"), tr("Added"));
    clearFields();
    recount();
}

// A set the program came with is never changed; the user may change a copy
// of it among their own sets instead, which this window then holds.
bool MainWindow::changeableSet()
{
    if (!m_state.folders.isBundled(m_set.path()))
        return true;
    const QString text = tr("\"%1\" came with Quorvane and cannot be changed.\n"
                            "Copy it into your own question sets and change the copy?")
                             .arg(QFileInfo(m_set.path()).fileName());
    if (!m_services.dialogs->askYesNo(this, text, kFileTitle))
        return false;
    QString error;
    const QString copy = m_state.folders.copyToUser(m_set.path(), &error);
    if (copy.isEmpty()) {
        reportFileProblem(tr("The question set cannot be copied."), error);
        return false;
    }
    m_set = QuestionSet(copy);
    m_state.set.path = copy;
    watchSet();
    return true;
}

bool MainWindow::passwordAccepted()
{
    QString error;
    switch (m_set.unlock(m_passwordBox->text(), QuestionSet::Purpose::Adding, &error)) {
    case QuestionSet::Unlock::Opened:
        return true;
    case QuestionSet::Unlock::WrongPassword:
        complain(tr("Password Incorrect"), tr("Password"), m_passwordBox);
        return false;
    default:
        reportFileProblem(tr(kNotAdded), error);
        return false;
    }
}

// The question as typed, once every field is filled in, a right answer is
// chosen and every text can be stored; otherwise the user is told why and
// taken to the field the message is about.
std::optional<QuestionRecord> MainWindow::typedQuestion()
{
    auto refuse = [this](const QString &text, const QString &title, QWidget *field) {
        complain(text, title, field);
        return std::nullopt;
    };
    if (QWidget *empty = firstEmptyField())
        return refuse(tr("Fill In All Fields"), tr("Fields"), empty);
    const int checked = m_rightAnswer->checkedId();
    if (checked < 0)
        return refuse(tr("Choose Correct Answer Box"), tr("Answer"),
                      m_rightAnswer->button(0));
    QuestionRecord typed;
    typed.round = qint16(chosenRound());
    typed.question = m_questionBox->text();
    QString *answers[] = {&typed.answer_a, &typed.answer_b, &typed.answer_c, &typed.answer_d};
    for (int i = 0; i < 4; ++i)
        *answers[i] = m_answerBoxes[i]->text();
    typed.right_answer = QuestionSet::typedRight(QString(QChar(u'A' + checked)));
    if (const QString problem = QuestionSet::questionProblem(typed); !problem.isEmpty())
        return refuse(problem, tr("Add Question"), nullptr);
    return typed;
}

// The first field of the add frame, in tab order, that is still empty.
QWidget *MainWindow::firstEmptyField() const
{
    for (QLineEdit *box : {m_questionBox, m_answerBoxes[0], m_answerBoxes[1], m_answerBoxes[2],
                           m_answerBoxes[3]}) {
        if (box->text().isEmpty())
            return box;
    }
    return chosenRound() == 0 ? m_roundBox : nullptr;
}

int MainWindow::chosenRound() const
{
    return m_roundBox->currentIndex() + 1;
}

// Tells the user what is wrong, then takes them to the field it is about;
// the window may have gone meanwhile, and the field with it.
void MainWindow::complain(const QString &text, const QString &title, QWidget *field)
{
    const QPointer<QWidget> about(field);
    m_services.dialogs->message(this, text, title);
    if (about)
        about->setFocus();
}

void MainWindow::reportFileProblem(const QString &what, const QString &error)
{
    m_services.dialogs->message(this, what + QLatin1Char('\n') + error, tr(kFileTitle));
}
