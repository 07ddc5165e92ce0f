#include "questionmanager.h"

#include "ui/services.h"
#include "manage/questionlistmodel.h"
#include "storage/appstate.h"
#include "storage/fixedtext.h"
#include "storage/setedits.h"
#include "storage/setfile.h"
#include "storage/setread.h"
#include "storage/setstore.h"
#include "storage/storabletext.h"
#include "ui/dialogservice.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/modal.h"
#include "ui/windowicon.h"

#include <QStyledItemDelegate>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>

#include <cmath>
#include <optional>

namespace {

const QColor kWindowColor = Colors::fromBgr(0xFFC0C0); // red 192, green 192, blue 255
const QColor kLabelColor = Colors::fromBgr(0xFF8080);  // red 128, green 128, blue 255

const QString kSetProblemTitle = QStringLiteral("Question Set");

QString stripped(const QString &text)
{
    return FixedText::trimSpaces(text);
}

// The gate opens on any record numbered 9999 whose password matches the entry,
// letter case and surrounding spaces ignored on both sides.
bool passwordOpens(const QString &path, const QString &entry, QString *error)
{
    const QString typed = stripped(entry.toUpper());
    bool opens = false;
    SetFile::scan(
        path,
        [&](int, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) != QuestionRecord::HEADER_NUMBER)
                return true;
            const QString stored = QuestionRecord::fromBytes(raw).answer_b;
            opens = stripped(stored.toUpper()) == typed;
            return !opens;
        },
        error);
    return opens;
}

// A whole number, rounded to the nearest with ties to even; nothing when the
// text is not a plain decimal number.
std::optional<int> wholeNumber(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double value = text.toDouble();
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        whole = below + 1;
    return int(whole);
}

std::optional<int> numberIn(const QLineEdit *box)
{
    bool ok = false;
    const int number = stripped(box->text()).toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Upper case as an added question is stored: a letter whose capital the code
// page cannot hold keeps its typed form.
QString fieldText(const QLineEdit *box, int width)
{
    return stripped(StorableText::upperCased(box->text())).left(width);
}

// The first box whose text, as it would be stored, a set file cannot hold,
// described; or empty.
QString unstorable(std::initializer_list<std::pair<QString, const QLineEdit *>> boxes,
                   bool upperCase = true)
{
    for (const auto &[field, box] : boxes) {
        const QString text = upperCase ? StorableText::upperCased(box->text()) : box->text();
        const QString problem = StorableText::problem(field, text);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
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

} // namespace

QuestionManager::QuestionManager(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Manage Questions"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    load();
}

bool QuestionManager::openGuarded(QWidget *mainWindow, AppState &state, Services &services)
{
    const QString entry = services.dialogs->prompt(mainWindow, QStringLiteral("Type In Password"),
                                                   QStringLiteral("Password"));
    QString error;
    const bool opens = passwordOpens(state.set_path, entry, &error);
    if (!error.isEmpty()) {
        services.dialogs->message(mainWindow, error, kSetProblemTitle);
        return false;
    }
    if (!opens) {
        services.dialogs->message(mainWindow, QStringLiteral("Password Incorrect"),
                                  QStringLiteral("Password"));
        return false;
    }

    Modal::showUntilClosed(new QuestionManager(state, services, mainWindow));
    return true;
}

void QuestionManager::buildControls()
{
    setFont(Fonts::sans(8));
    Colors::setBackground(this, kWindowColor);
    Twips::setClientSize(this, 8895, 6015);

    Label1 = addLabel(QStringLiteral("Manage Questions"), "Label1", 120, 120, 8655, 375);
    Label1->setFont(Fonts::sans(14, true));
    Label1->setAlignment(Qt::AlignCenter);
    buildList();

    Label5 = addLabel(QStringLiteral("Question"), "Label5", 120, 2880, 855, 285);
    Label6 = addLabel(QStringLiteral("A"), "Label6", 120, 3240, 855, 285);
    Label7 = addLabel(QStringLiteral("B"), "Label7", 120, 3600, 855, 285);
    Label8 = addLabel(QStringLiteral("C"), "Label8", 120, 3960, 855, 285);
    Label9 = addLabel(QStringLiteral("D"), "Label9", 120, 4320, 855, 285);
    txt_q = addBox(Label5, "txt_q", 1080, 2880, 3135);
    txt_a = addBox(Label6, "txt_a", 1080, 3240, 3135);
    txt_b = addBox(Label7, "txt_b", 1080, 3600, 3135);
    txt_c = addBox(Label8, "txt_c", 1080, 3960, 3135);
    txt_d = addBox(Label9, "txt_d", 1080, 4320, 3135);
    Label10 = addLabel(QStringLiteral("Right"), "Label10", 120, 4800, 855, 285);
    txt_right = addBox(Label10, "txt_right", 1080, 4800, 2295);
    Label11 = addLabel(QStringLiteral("Round"), "Label11", 120, 5160, 855, 285);
    txt_round = addBox(Label11, "txt_round", 1080, 5160, 2295);
    txt_id = addBox(nullptr, "txt_id", 840, 5520, 150);
    txt_id->hide();
    cmd_edit = addButton(QStringLiteral("Edit"), "cmd_edit", 1080, 5520, 1095);
    cmd_delete = addButton(QStringLiteral("Delete"), "cmd_delete", 2280, 5520, 1095);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Colors::setForeground(Line1, Qt::black);
    Twips::place(Line1, 4313, 2880, 15, 3000);

    Label4 = addLabel(
        QStringLiteral("If you want to change your question set details, then change the "
                       "contents of the boxes below and press OK. NOTE: Remember that other "
                       "people may have possibly an older version of your questions, so "
                       "therefore the password for those questions would still be your old "
                       "one. Keep a note of all your passwords so that no-one can take the "
                       "credit for your work!"),
        "Label4", 4440, 2880, 4335, 1335);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setFont(Fonts::sans(7.5));

    Label15 = addLabel(QStringLiteral("Your Name"), "Label15", 4440, 4320, 1455, 285);
    txt_name = addBox(Label15, "txt_name", 6000, 4320, 2775, 30);
    Label16 = addLabel(QStringLiteral("Message"), "Label16", 4440, 4680, 1455, 285);
    txt_message = addBox(Label16, "txt_message", 6000, 4680, 2775, 150);
    Label2 = addLabel(QStringLiteral("Type Password"), "Label2", 4440, 5160, 1455, 285);
    txt_p1 = addBox(Label2, "txt_p1", 6000, 5160, 2775, 6);
    cmd_ok = addButton(QStringLiteral("OK"), "cmd_ok", 4440, 5520, 1335);
    txt_id2 = addBox(nullptr, "txt_id2", 6000, 5520, 150);
    txt_id2->hide();
    cmd_back = addButton(QStringLiteral("Back"), "cmd_back", 7440, 5520, 1335);

    setTabOrder(ListView1, txt_q);
    setTabOrder(txt_q, txt_a);
    setTabOrder(txt_a, txt_b);
    setTabOrder(txt_b, txt_c);
    setTabOrder(txt_c, txt_d);
    setTabOrder(txt_d, txt_right);
    setTabOrder(txt_right, txt_round);
    setTabOrder(txt_round, cmd_edit);
    setTabOrder(cmd_edit, cmd_delete);
    setTabOrder(cmd_delete, txt_name);
    setTabOrder(txt_name, txt_message);
    setTabOrder(txt_message, txt_p1);
    setTabOrder(txt_p1, cmd_ok);
    setTabOrder(cmd_ok, cmd_back);

    connect(cmd_edit, &QPushButton::clicked, this, &QuestionManager::cmd_edit_click);
    connect(cmd_delete, &QPushButton::clicked, this, &QuestionManager::cmd_delete_click);
    connect(cmd_ok, &QPushButton::clicked, this, &QuestionManager::cmd_ok_click);
    connect(cmd_back, &QPushButton::clicked, this, &QuestionManager::cmd_back_click);
}

namespace {

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

} // namespace

void QuestionManager::buildList()
{
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Questions"));
    Twips::place(ListView1, 120, 600, 8655, 2175);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true); // keeps the largest sets quick to show
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model = new QuestionListModel(this);
    ListView1->setModel(m_model);
    ListView1->setItemDelegate(new UnpaddedDelegate(ListView1));
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->resizeSection(QuestionListModel::RoundColumn, Twips::px(900));
    ListView1->header()->resizeSection(QuestionListModel::QuestionColumn, Twips::px(6700));
    ListView1->header()->resizeSection(QuestionListModel::RightColumn, Twips::px(700));

    connect(ListView1, &QAbstractItemView::clicked, this, &QuestionManager::ListView1_click);
    // Moving through the list with the keyboard picks too.
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    ListView1_click();
            });
}

QLabel *QuestionManager::addLabel(const QString &text, const char *name, int left, int top, int width,
                        int height)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    Colors::setBackground(label, kLabelColor);
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

void QuestionManager::load()
{
    QString error;
    const auto header = SetStore::findHeader(m_state.set_path, &error);
    if (header) {
        fill(txt_name, stripped(header->record.answer_a));
        fill(txt_message, stripped(header->record.question));
        txt_id2->setText(QString::number(header->record.number));
    } else if (!error.isEmpty()) {
        showProblem(error);
    } else {
        m_services.dialogs->message(this, QStringLiteral("Question Data Could Not Be Found"),
                                    QStringLiteral("Found"));
    }
    updatelist();
}

void QuestionManager::updatelist()
{
    QString error;
    m_model->fill(m_state.set_path, &error);
    full_row_select(ListView1, true);
    if (!error.isEmpty())
        showProblem(error);
}

void QuestionManager::full_row_select(QAbstractItemView *list, bool on)
{
    list->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                  : QAbstractItemView::SelectItems);
    if (auto *tree = qobject_cast<QTreeView *>(list))
        tree->setAllColumnsShowFocus(on);
}

void QuestionManager::ListView1_click()
{
    const QModelIndexList picked = ListView1->selectionModel()->selectedRows();
    if (picked.isEmpty())
        return;
    QString error;
    // A row whose record has gone from the file picks nothing.
    const int n = m_model->row(picked.first().row()).record;
    const std::optional<QByteArray> raw = SetRead::bytesAt(m_state.set_path, n, &error);
    if (!error.isEmpty())
        showProblem(error);
    if (!raw)
        return;
    m_pick = Pick{n, *raw};
    const QuestionRecord record = QuestionRecord::fromBytes(*raw);
    // Long texts are shown from their beginning.
    auto show = [](QLineEdit *box, const QString &text) {
        box->setText(text);
        box->setCursorPosition(0);
    };
    show(txt_q, record.question);
    show(txt_a, record.answer_a);
    show(txt_b, record.answer_b);
    show(txt_c, record.answer_c);
    show(txt_d, record.answer_d);
    txt_id->setText(QString::number(record.number));
    txt_round->setText(QString::number(record.round));
    txt_right->setText(record.right_answer.toUpper());
}

// The picked question's record as it stands in the file now. Sets can hold
// two questions with one number, so the pick is known by its position, and
// it must still hold the bytes it had when picked: a question another
// program changed, moved or deleted meanwhile is never written over.
std::optional<QuestionRecord> QuestionManager::pickedRecord()
{
    if (!m_pick)
        return std::nullopt;
    QString error;
    const std::optional<QByteArray> raw = SetRead::bytesAt(m_state.set_path, m_pick->record,
                                                           &error);
    if (!error.isEmpty()) {
        showProblem(error);
        return std::nullopt;
    }
    if (raw && *raw == m_pick->bytes)
        return QuestionRecord::fromBytes(*raw);
    m_pick.reset();
    showProblem(QStringLiteral("This question was changed by another program. Pick it again "
                               "from the list."));
    updatelist();
    return std::nullopt;
}

void QuestionManager::cmd_edit_click()
{
    if (stripped(txt_id->text()).isEmpty()) {
        m_services.dialogs->message(this, QStringLiteral("Choose A Question From The List"),
                                    QStringLiteral("List"));
        return;
    }
    // The round is checked as the whole number it will be stored as.
    const std::optional<int> round = wholeNumber(stripped(txt_round->text().toUpper()));
    if (!round || *round < 1 || *round > 15) {
        m_services.dialogs->message(this, QStringLiteral("Round Must Be Between 1 And 15"),
                                    QStringLiteral("Round"));
        return;
    }
    const QString right = stripped(txt_right->text().toUpper());
    if (right < QLatin1String("A") || right > QLatin1String("D")) {
        m_services.dialogs->message(this,
                                    QStringLiteral("Right Answer Must Be Between 'A' And 'D'"),
                                    QStringLiteral("Answer"));
        return;
    }

    if (const QString problem = unstorable({{QStringLiteral("The question"), txt_q},
                                            {QStringLiteral("Answer A"), txt_a},
                                            {QStringLiteral("Answer B"), txt_b},
                                            {QStringLiteral("Answer C"), txt_c},
                                            {QStringLiteral("Answer D"), txt_d}});
        !problem.isEmpty()) {
        showProblem(problem);
        return;
    }

    std::optional<QuestionRecord> found = pickedRecord();
    if (!found)
        return;
    QuestionRecord &record = *found;
    record.round = qint16(*round);
    record.question = fieldText(txt_q, QuestionRecord::QUESTION_WIDTH);
    record.answer_a = fieldText(txt_a, QuestionRecord::ANSWER_WIDTH);
    record.answer_b = fieldText(txt_b, QuestionRecord::ANSWER_WIDTH);
    record.answer_c = fieldText(txt_c, QuestionRecord::ANSWER_WIDTH);
    record.answer_d = fieldText(txt_d, QuestionRecord::ANSWER_WIDTH);
    record.right_answer = right.toLower().left(QuestionRecord::RIGHT_WIDTH);
    QString error;
    if (!SetEdits::rewrite(m_state.set_path, m_pick->record, record, &error)) {
        showProblem(QStringLiteral("The question could not be saved. %1").arg(error));
        return;
    }
    m_pick->bytes = record.toBytes();
    m_services.dialogs->message(this, QStringLiteral("Question Edited"),
                                QStringLiteral("Edited"));
    updatelist();
}

void QuestionManager::cmd_delete_click()
{
    if (stripped(txt_id->text()).isEmpty()) {
        m_services.dialogs->message(this, QStringLiteral("Choose A Question From The List"),
                                    QStringLiteral("List"));
        return;
    }
    // Pressing Delete again after a deletion finds no pick and does nothing.
    if (!pickedRecord())
        return;
    QString error;
    const auto removal = SetEdits::removeRecord(m_state.set_path, m_pick->record, &error);
    if (!removal) {
        showProblem(QStringLiteral("The question could not be deleted; the question set is "
                                   "unchanged. %1")
                        .arg(error));
        return;
    }
    m_pick.reset();
    if (removal->removed == 0)
        return;
    // The next question added goes straight after the last record.
    m_state.record_count = removal->remaining;
    m_services.dialogs->message(this, QStringLiteral("Question Deleted"),
                                QStringLiteral("Deleted"));
    updatelist();
}

void QuestionManager::cmd_ok_click()
{
    const std::optional<int> number = numberIn(txt_id2);
    if (!number)
        return;
    if (const QString problem = unstorable({{QStringLiteral("Your name"), txt_name},
                                            {QStringLiteral("The message"), txt_message},
                                            {QStringLiteral("The password"), txt_p1}},
                                           false);
        !problem.isEmpty()) {
        showProblem(problem);
        return;
    }
    QString error;
    auto found = SetEdits::findNumber(m_state.set_path, *number, &error);
    if (!found) {
        if (!error.isEmpty())
            showProblem(error);
        return;
    }
    QuestionRecord &header = found->record;
    const QString name = stripped(txt_name->text());
    const QString message = stripped(txt_message->text());
    const bool eitherEmpty = name.isEmpty() || message.isEmpty();
    header.answer_a = eitherEmpty ? QStringLiteral("Not Given") : name;
    header.question = eitherEmpty ? QStringLiteral("No Message") : message;
    const QString password = stripped(txt_p1->text());
    if (!password.isEmpty())
        header.answer_b = password;
    if (!SetEdits::rewrite(m_state.set_path, found->n, header, &error)) {
        showProblem(QStringLiteral("The details could not be saved. %1").arg(error));
        return;
    }
    m_services.dialogs->message(this, QStringLiteral("Details Changed"),
                                QStringLiteral("Changed"));
}

void QuestionManager::cmd_back_click()
{
    close();
}

void QuestionManager::showProblem(const QString &text)
{
    m_services.dialogs->message(this, text, kSetProblemTitle);
}
