#include "questionmanager.h"

#include "manage/questionlistmodel.h"
#include "storage/filewatch.h"
#include "storage/fixedtext.h"
#include "storage/setfile.h"
#include "storage/setexport.h"
#include "storage/setimport.h"
#include "ui/dialogservice.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/listreading.h"
#include "ui/modalscreen.h"
#include "ui/services.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>

namespace {

const char *const kSetProblemTitle = QT_TRANSLATE_NOOP("QuestionManager", "Question Set");
const char *const kCsvFilter = QT_TRANSLATE_NOOP("QuestionManager", "CSV files (*.csv);;All files (*)");
constexpr int kProblemsShown = 10;

QString questionCount(qsizetype n)
{
    return n == 1 ? QuestionManager::tr("1 question") : QuestionManager::tr("%1 questions").arg(n);
}

// Fills a box with text read from the file even where it is longer than what
// the box lets the user type, so that saving never cuts it short.
void fill(QLineEdit *box, const QString &text)
{
    if (box->maxLength() < text.size())
        box->setMaxLength(int(text.size()));
    box->setText(text);
    // A long message reads from its beginning, not from its last words.
    box->setCursorPosition(0);
}

// The list holds each question as stored, padded to its field; painting it
// without the padding keeps short questions from ending in an ellipsis.
class UnpaddedDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        qsizetype end = option->text.size();
        while (end > 0 && option->text.at(end - 1) == u' ')
            --end;
        option->text.truncate(end);
    }
};

// The manager is a window of its own, not a dialog: a screen reader reads a
// dialog's loose texts as it opens, and here that would be the long note
// about passwords before the list.
QAccessibleInterface *accessibleManager(const QString &className, QObject *object)
{
    if (className == QLatin1String("QuestionManager") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

// An ordinary window, as it always was, that exec() makes modal.
QuestionManager::QuestionManager(const QString &setPath, Services &services, QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_services(services)
    , m_set(setPath)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleManager), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(tr("Manage Questions"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    load();
    zoomColumns(Zoom::attach(this));
    connect(new FileWatch(m_set.path(), this), &FileWatch::changed, this,
            &QuestionManager::followSet);
}

bool QuestionManager::openGuarded(QWidget *mainWindow, const QString &setPath,
                                  Services &services)
{
    DialogService::PromptOptions unseen;
    unseen.masked = true;
    const QString entry = services.dialogs->prompt(mainWindow, tr("Type In Password"),
                                                   tr("Password"), unseen);
    QString error;
    switch (QuestionSet(setPath).unlock(entry, QuestionSet::Purpose::Managing, &error)) {
    case QuestionSet::Unlock::Opened:
        break;
    case QuestionSet::Unlock::WrongPassword:
        services.dialogs->message(mainWindow, tr("Password Incorrect"),
                                  tr("Password"));
        return false;
    default:
        services.dialogs->message(mainWindow, error, tr(kSetProblemTitle));
        return false;
    }
    ModalScreen manager(new QuestionManager(setPath, services, mainWindow));
    return manager.run();
}

// ---------------------------------------------------------------- controls

void QuestionManager::buildControls()
{
    setFont(Fonts::sans(8));
    Colors::setPair(this, Colors::form);
    Twips::setClientSize(this, 8895, 6015);

    QLabel *title = addLabel(tr("Manage Questions"), "Label1", 120, 120, 8655, 375);
    title->setFont(Fonts::sans(14, true));
    title->setAlignment(Qt::AlignCenter);
    buildFindBar();
    buildList();
    buildDetailsSide(buildQuestionSide());
    buildMenu();
    // A screen reader first hears the list and how many questions it holds.
    m_list->setFocus();
}

// A menu bar above the client area, whose controls keep their places below it.
void QuestionManager::buildMenu()
{
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menu"));
    menu->setNativeMenuBar(false);
    Colors::followTheme(menu);
    QMenu *file = menu->addMenu(tr("&File"));
    QAction *importCsv = file->addAction(tr("&Import Questions from CSV\u2026"));
    importCsv->setObjectName(QStringLiteral("importCsv"));
    connect(importCsv, &QAction::triggered, this, &QuestionManager::importQuestions);
    QAction *exportCsv = file->addAction(tr("&Export Questions to CSV\u2026"));
    exportCsv->setObjectName(QStringLiteral("exportCsv"));
    connect(exportCsv, &QAction::triggered, this, &QuestionManager::exportQuestions);
    QAction *find = menu->addMenu(tr("&Edit"))->addAction(tr("&Find"));
    find->setObjectName(QStringLiteral("find"));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &QuestionManager::startFinding);

    const int height = menu->sizeHint().height();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != menu)
            child->move(child->pos() + QPoint(0, height));
    }
    menu->setGeometry(0, 0, width(), height);
    resize(width(), this->height() + height);
}

// The find box and its count stand at the right of the title, ordinary
// controls of the window, so that exploring it finds them.
void QuestionManager::buildFindBar()
{
    m_foundLabel = new QLabel(this);
    m_foundLabel->setObjectName(QStringLiteral("lbl_found"));
    m_foundLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TextDisplay::makeNotice(m_foundLabel);
    Twips::place(m_foundLabel, 5880, 165, 1380, 285);
    m_findBox = new QLineEdit(this);
    m_findBox->setObjectName(QStringLiteral("txt_find"));
    m_findBox->setPlaceholderText(tr("Find"));
    m_findBox->setClearButtonEnabled(true);
    m_findBox->installEventFilter(this);
    Twips::place(m_findBox, 7320, 165, 1395, 285);
    connect(m_findBox, &QLineEdit::textChanged, this, &QuestionManager::filterList);
}

// Why a file was refused: how many rows are bad, and the first of them.
QString QuestionManager::refusedRows(const QString &csvName,
                                     const QList<SetImport::Problem> &problems)
{
    const QStringList lines = SetImport::problemLines(csvName, problems, kProblemsShown);
    return tr("Nothing was imported: %1 has %2 problem(s).\n\n%3")
        .arg(csvName, QString::number(problems.size()), lines.join(QLatin1Char('\n')));
}

// Appends the file's questions to the set, all or none: a file with any bad
// row is refused whole and the set is left as it was.
void QuestionManager::importQuestions()
{
    const QString title = tr("Import");
    const QString csvPath = m_services.dialogs->chooseOpenFile(
        this, tr("Import Questions from CSV"), tr(kCsvFilter));
    if (csvPath.isEmpty())
        return;
    QString error;
    const std::optional<SetImport::Rows> rows = SetImport::readCsvFile(csvPath, &error);
    if (!rows)
        return tell(tr("Nothing was imported: %1").arg(error), title);
    const QString csvName = QFileInfo(csvPath).fileName();
    if (!rows->ok())
        return tell(refusedRows(csvName, rows->problems), title);
    const SetImport::Result result = SetImport::append(m_set.path(), rows->questions);
    if (result.status != SetImport::Result::Written)
        return tell(tr("Nothing was imported: %1")
                        .arg(result.messages.join(QLatin1Char(' '))),
                    title);
    tell(tr("%1 added from %2.").arg(questionCount(rows->questions.size()), csvName),
         title);
    updateList();
}

void QuestionManager::exportQuestions()
{
    const QString title = tr("Export");
    const QString csvPath = m_services.dialogs->chooseSaveFile(
        this, tr("Export Questions to CSV"), tr(kCsvFilter),
        QFileInfo(m_set.path()).completeBaseName() + QStringLiteral(".csv"));
    if (csvPath.isEmpty())
        return;
    const SetExport::Result result = SetExport::toFile(m_set.path(), csvPath);
    if (!result.error.isEmpty())
        return tell(tr("Nothing was exported: %1").arg(result.error), title);
    QString text = tr("%1 written to %2.")
                       .arg(questionCount(result.rows), QFileInfo(csvPath).fileName());
    // Only a damaged set has records that cannot go out as they are.
    if (!result.warnings.isEmpty())
        text += QStringLiteral("\n\n")
                + SetImport::firstLines(result.warnings, kProblemsShown).join(QLatin1Char('\n'));
    tell(text, title);
}

void QuestionManager::startFinding()
{
    m_findBox->setFocus();
    m_findBox->selectAll();
}

void QuestionManager::filterList(const QString &text)
{
    QString error;
    m_model->setFilter(text, &error);
    if (!error.isEmpty())
        showProblem(error);
    showFound();
}

// The count beside the find box, which a screen reader hears as it changes
// and in the box's name; the list's name says how many questions it shows.
void QuestionManager::showFound()
{
    const QString found = m_findBox->text().isEmpty()
                              ? QString()
                              : tr("%1 of %2").arg(m_model->rowCount())
                                    .arg(m_model->totalCount());
    m_foundLabel->setText(found);
    TextDisplay::announce(m_foundLabel);
    // A reader says a new name of the control with the focus as it changes.
    TextDisplay::setSpokenName(m_findBox, found.isEmpty() ? tr("Find")
                                                          : tr("Find, %1", "the count").arg(found));
    // Readers say the list's name as the focus enters it, even on a row.
    TextDisplay::setSpokenName(
        m_list, found.isEmpty() ? questionCount(m_model->totalCount())
                                : tr("%1 of %2", "questions listed of the set's")
                                      .arg(m_model->rowCount())
                                      .arg(questionCount(m_model->totalCount())));
}

// Escape in the search field clears the search instead of closing the window.
// The list's current row, which the keyboard rests on and a reader reads, is
// picked as the list takes the focus from the keyboard and on Space.
bool QuestionManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (m_list->hasFocus())
                pickCurrent();
        });
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space)
        pickCurrent();
    if (watched == m_findBox && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        m_findBox->clear();
        m_list->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Clicking a column header sorts by it; clicking it again reverses. The
// header has already turned its indicator to the order wanted.
void QuestionManager::sortList(int column)
{
    m_model->sort(column, m_list->header()->sortIndicatorOrder());
}

// The list's columns keep their share of its width as the window zooms.
void QuestionManager::zoomColumns(Zoom *zoom)
{
    QHeaderView *header = m_list->header();
    QList<int> widths;
    for (int i = 0; i < header->count(); ++i)
        widths << header->sectionSize(i);
    connect(zoom, &Zoom::zoomed, this, [header, widths](qreal factor) {
        for (int i = 0; i < widths.size(); ++i)
            header->resizeSection(i, qRound(widths[i] * factor));
    });
}

void QuestionManager::chainTabOrder(std::initializer_list<QWidget *> order)
{
    for (auto at = order.begin() + 1; at != order.end(); ++at)
        QWidget::setTabOrder(*(at - 1), *at);
}

void QuestionManager::buildList()
{
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    ListReading::sayCurrentOnFocus(m_list);
    Twips::place(m_list, 120, 600, 8655, 2175);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true); // keeps the largest sets quick to show
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model = new QuestionListModel(this);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new UnpaddedDelegate(m_list));
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->resizeSection(QuestionListModel::RoundColumn, Twips::px(900));
    header->resizeSection(QuestionListModel::QuestionColumn, Twips::px(6700));
    header->resizeSection(QuestionListModel::RightColumn, Twips::px(700));
    // File order until a column is chosen.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &QuestionManager::sortList);

    connect(m_list, &QAbstractItemView::clicked, this, &QuestionManager::showPicked);
    // Moving through the list with the keyboard picks too.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && !m_selectingQuietly)
                    showPicked();
            });
    // Enter picks the current row too: one left alone by finding is current
    // without having been picked.
    connect(m_list, &QAbstractItemView::activated, this, &QuestionManager::pickCurrent);
    m_list->installEventFilter(this);
}

QWidget *QuestionManager::buildQuestionSide()
{
    const char *captions[] = {QT_TR_NOOP("Question"), "A", "B", "C", "D"};
    const char *labelNames[] = {"Label5", "Label6", "Label7", "Label8", "Label9"};
    QLabel *labels[5];
    for (int i = 0; i < 5; ++i)
        labels[i] = addLabel(tr(captions[i]), labelNames[i], 120, 2880 + 360 * i, 855,
                             285);
    m_questionBox = addBox(labels[0], "txt_q", 1080, 2880, 3135);
    const char *answerNames[] = {"txt_a", "txt_b", "txt_c", "txt_d"};
    for (int i = 0; i < 4; ++i)
        m_answerBoxes[i] = addBox(labels[i + 1], answerNames[i], 1080, 3240 + 360 * i, 3135);
    m_rightBox = addBox(addLabel(tr("Right"), "Label10", 120, 4800, 855, 285),
                        "txt_right", 1080, 4800, 2295);
    m_roundBox = addBox(addLabel(tr("Round"), "Label11", 120, 5160, 855, 285),
                        "txt_round", 1080, 5160, 2295);
    m_numberBox = addBox(nullptr, "txt_id", 840, 5520, 150);
    m_numberBox->hide();
    QPushButton *edit = addButton(tr("Edit"), "cmd_edit", 1080, 5520, 1095);
    QPushButton *remove = addButton(tr("Delete"), "cmd_delete", 2280, 5520, 1095);
    connect(edit, &QPushButton::clicked, this, &QuestionManager::editQuestion);
    connect(remove, &QPushButton::clicked, this, &QuestionManager::deleteQuestion);
    chainTabOrder({m_findBox, m_list, m_questionBox, m_answerBoxes[0], m_answerBoxes[1], m_answerBoxes[2],
                 m_answerBoxes[3], m_rightBox, m_roundBox, edit, remove});
    return remove;
}

void QuestionManager::buildDetailsSide(QWidget *tabbedFrom)
{
    // A filled strip rather than a drawn line, so that it thickens when zoomed.
    auto *divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("Line1"));
    Colors::setBackground(divider, Qt::black);
    Twips::place(divider, 4313, 2880, 15, 3000);

    QLabel *note = addLabel(
        tr("If you want to change your question set details, then change the "
                       "contents of the boxes below and press OK. NOTE: Remember that other "
                       "people may have possibly an older version of your questions, so "
                       "therefore the password for those questions would still be your old "
                       "one. Keep a note of all your passwords so that no-one can take the "
                       "credit for your work!"),
        "Label4", 4440, 2880, 4335, 1335);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setFont(Fonts::sans(7.5));

    m_creatorBox = addBox(addLabel(tr("Your Name"), "Label15", 4440, 4320, 1455, 285),
                          "txt_name", 6000, 4320, 2775, 30);
    // Heard on the way into the details rather than first thing in the window.
    m_creatorBox->setAccessibleDescription(note->text());
    m_messageBox = addBox(addLabel(tr("Message"), "Label16", 4440, 4680, 1455, 285),
                          "txt_message", 6000, 4680, 2775, 150);
    m_passwordBox =
        addBox(addLabel(tr("Type Password"), "Label2", 4440, 5160, 1455, 285),
               "txt_p1", 6000, 5160, 2775, 6);
    QPushButton *ok = addButton(tr("OK"), "cmd_ok", 4440, 5520, 1335);
    m_headerNumberBox = addBox(nullptr, "txt_id2", 6000, 5520, 150);
    m_headerNumberBox->hide();
    QPushButton *back = addButton(tr("Back"), "cmd_back", 7440, 5520, 1335);
    connect(ok, &QPushButton::clicked, this, &QuestionManager::saveDetails);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    chainTabOrder({tabbedFrom, m_creatorBox, m_messageBox, m_passwordBox, ok, back});
}

QLabel *QuestionManager::addLabel(const QString &text, const char *name, int left, int top,
                                  int width, int height)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    Colors::setPair(label, Colors::caption);
    Twips::place(label, left, top, width, height);
    return label;
}

QLineEdit *QuestionManager::addBox(QLabel *label, const char *name, int left, int top, int width,
                                   int maxLength)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    if (label) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }
    Twips::place(box, left, top, width, 285);
    return box;
}

QPushButton *QuestionManager::addButton(const QString &text, const char *name, int left, int top,
                                        int width)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    Twips::place(button, left, top, width, 375);
    return button;
}

// ------------------------------------------------------------ the list

void QuestionManager::load()
{
    showDetails();
    updateList();
}

// Fills the details boxes from the header as it stands now.
void QuestionManager::showDetails()
{
    QString error;
    const auto header = m_set.findHeader(&error);
    m_header = {};
    m_headerNumberBox->clear();
    if (header) {
        fill(m_creatorBox, header->record.answer_a);
        fill(m_messageBox, header->record.question);
        m_headerNumberBox->setText(QString::number(header->record.number));
        m_header = {header->n, header->bytes};
    } else if (!error.isEmpty()) {
        showProblem(error);
    } else {
        tell(tr("Question Data Could Not Be Found"), tr("Found"));
    }
}

void QuestionManager::updateList()
{
    QString error;
    m_model->fill(m_set.path(), &error);
    if (!error.isEmpty())
        showProblem(error);
    showFound();
}

// Another program changed the set: the list follows without a word, and the
// picked question stays picked while the file still holds it.
void QuestionManager::followSet()
{
    const int scrolled = m_list->verticalScrollBar()->value();
    m_model->fill(m_set.path());
    keepPick();
    showFound();
    m_list->verticalScrollBar()->setValue(scrolled);
}

// Finds the picked question's record, where it stood or where it has moved
// to; one that is gone stays picked, and Edit or Delete will say so.
void QuestionManager::keepPick()
{
    if (!m_pick)
        return;
    const QList<int> records = m_model->recordsShowing(m_pick->bytes);
    int kept = 0;
    for (const int n : records) {
        const std::optional<QuestionSet::Pick> now = m_set.pick(n);
        if (now && now->bytes == m_pick->bytes && (kept == 0 || n == m_pick->record))
            kept = n;
    }
    if (kept == 0)
        return;
    m_pick->record = kept;
    selectQuietly(m_model->shownIndexOf(kept));
}

// Marks a row as picked without loading it over what is being typed.
void QuestionManager::selectQuietly(int index)
{
    if (index < 0)
        return;
    m_selectingQuietly = true;
    m_list->selectionModel()->setCurrentIndex(
        m_model->index(index, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_selectingQuietly = false;
}

// The list was older than the file: nothing stays picked, the user is told
// and the list is read again.
void QuestionManager::forgetPick()
{
    dropPick();
    showProblem(tr("This question was changed by another program. Pick it again "
                               "from the list."));
    updateList();
}

void QuestionManager::pickCurrent()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || m_list->selectionModel()->isRowSelected(current.row()))
        return;
    m_list->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect
                                                  | QItemSelectionModel::Rows);
    showPicked();
}

void QuestionManager::showPicked()
{
    const QModelIndexList picked = m_list->selectionModel()->selectedRows();
    if (picked.isEmpty())
        return;
    const int index = picked.first().row();
    QString error;
    const std::optional<QuestionSet::Pick> pick = m_set.pick(m_model->row(index).record, &error);
    if (!error.isEmpty())
        return showProblem(error);
    // A row picks the question it shows or nothing.
    if (!pick || !m_model->shows(index, pick->bytes))
        return forgetPick();
    m_pick = pick;
    showQuestion(pick->question());
}

void QuestionManager::showQuestion(const QuestionRecord &record)
{
    // Long texts are shown from their beginning.
    const QString texts[] = {record.question, record.answer_a, record.answer_b,
                             record.answer_c, record.answer_d};
    QLineEdit *boxes[] = {m_questionBox, m_answerBoxes[0], m_answerBoxes[1], m_answerBoxes[2],
                          m_answerBoxes[3]};
    for (int i = 0; i < 5; ++i) {
        boxes[i]->setText(texts[i]);
        boxes[i]->setCursorPosition(0);
    }
    m_numberBox->setText(QString::number(record.number));
    m_roundBox->setText(QString::number(record.round));
    m_rightBox->setText(record.right_answer.toUpper());
}

// ------------------------------------------------------------ buttons

void QuestionManager::editQuestion()
{
    if (!questionChosen())
        return;
    const std::optional<QuestionRecord> edited = editedQuestion();
    if (!edited || !m_pick)
        return;
    QString error;
    if (!changeMade(m_set.edit(*m_pick, *edited, &error), error,
                    tr("The question could not be saved. %1")))
        return;
    tell(tr("Question Edited"), tr("Edited"));
    updateList();
}

void QuestionManager::deleteQuestion()
{
    // Pressing Delete again after a deletion finds no pick and does nothing.
    if (!questionChosen() || !m_pick)
        return;
    QString error;
    QuestionSet::Removal removal;
    if (!changeMade(m_set.remove(*m_pick, removal, &error), error,
                    tr("The question could not be deleted; the question set is "
                                   "unchanged. %1")))
        return;
    dropPick();
    tell(tr("Question Deleted"), tr("Deleted"));
    updateList();
}

void QuestionManager::saveDetails()
{
    const std::pair<QString, QLineEdit *> boxes[] = {
        {tr("Your name"), m_creatorBox},
        {tr("The message"), m_messageBox},
        {tr("The password"), m_passwordBox}};
    for (const auto &[field, box] : boxes) {
        if (QString problem = QuestionSet::textProblem(field, box->text()); !problem.isEmpty())
            return complain(problem, kSetProblemTitle, box);
    }
    QString error;
    const QuestionSet::Details typed{m_creatorBox->text(), m_messageBox->text(),
                                     m_passwordBox->text()};
    switch (m_set.changeDetails(m_header, typed, &error)) {
    case QuestionSet::Change::Done:
        return tell(tr("Details Changed"), tr("Changed"));
    case QuestionSet::Change::Unreadable:
        return showProblem(error);
    case QuestionSet::Change::Moved:
        showProblem(tr("The details were changed by another program. They are shown "
                                   "again as they are now; make your change again."));
        return showDetails();
    default:
        return showProblem(tr("The details could not be saved. %1").arg(error));
    }
}

// Edit and Delete then ask for a question to be picked, rather than do nothing.
void QuestionManager::dropPick()
{
    m_pick.reset();
    m_numberBox->clear();
}

bool QuestionManager::questionChosen()
{
    if (!FixedText::trimSpaces(m_numberBox->text()).isEmpty())
        return true;
    complain(tr("Choose A Question From The List"), tr("List"), m_list);
    return false;
}

// The picked question with the typed round, right letter and texts, once
// each of them can be stored; otherwise the user is told why.
std::optional<QuestionRecord> QuestionManager::editedQuestion()
{
    // The round is checked as the whole number it will be stored as.
    const std::optional<qint16> round = QuestionSet::typedRound(m_roundBox->text());
    if (!round) {
        complain(tr("Round Must Be Between 1 And 15"), tr("Round"),
                 m_roundBox);
        return std::nullopt;
    }
    const QString right = QuestionSet::typedRight(m_rightBox->text());
    if (right.isEmpty()) {
        complain(tr("Right Answer Must Be Between 'A' And 'D'"),
                 tr("Answer"), m_rightBox);
        return std::nullopt;
    }
    QuestionRecord edited = m_pick ? m_pick->question() : QuestionRecord{};
    edited.round = *round;
    edited.right_answer = right;
    edited.question = m_questionBox->text();
    QString *answers[] = {&edited.answer_a, &edited.answer_b, &edited.answer_c, &edited.answer_d};
    for (int i = 0; i < 4; ++i)
        *answers[i] = m_answerBoxes[i]->text();
    if (const QString problem = QuestionSet::questionProblem(edited); !problem.isEmpty()) {
        showProblem(problem);
        return std::nullopt;
    }
    return edited;
}

// Says what kept a change of the picked question from being made; true when
// it was made. A pick that no longer holds what was picked is dropped.
bool QuestionManager::changeMade(QuestionSet::Change change, const QString &error,
                                 const QString &failure)
{
    switch (change) {
    case QuestionSet::Change::Done:
        return true;
    case QuestionSet::Change::Unreadable:
        showProblem(error);
        break;
    case QuestionSet::Change::Moved:
        forgetPick();
        break;
    default:
        showProblem(failure.arg(error));
        break;
    }
    return false;
}

void QuestionManager::tell(const QString &text, const QString &title)
{
    m_services.dialogs->message(this, text, title);
}

// Tells the user what is wrong, then takes them to the box it is about; the
// manager may have gone meanwhile, and the box with it.
void QuestionManager::complain(const QString &text, const QString &title, QWidget *field)
{
    const QPointer<QWidget> about(field);
    tell(text, title);
    if (about)
        about->setFocus();
}

void QuestionManager::showProblem(const QString &text)
{
    m_services.dialogs->message(this, text, tr(kSetProblemTitle));
}
