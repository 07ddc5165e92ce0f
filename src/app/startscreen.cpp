#include "startscreen.h"

#include "app/navigator.h"
#include "storage/appstate.h"
#include "storage/filewatch.h"
#include "storage/fixedtext.h"
#include "storage/plainfile.h"
#include "storage/questionset.h"
#include "storage/saferewrite.h"
#include "storage/setadding.h"
#include "storage/settings.h"
#include "ui/dialogservice.h"
#include "ui/geometry.h"
#include "ui/listreading.h"
#include "ui/modalscreen.h"
#include "ui/services.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/wrappedlabel.h"
#include "ui/zoom.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *wrapped(const QString &text, const char *name)
{
    return named(new WrappedLabel(text), name);
}

const char *const kSetTitle = QT_TRANSLATE_NOOP("StartScreen", "Question Set");
constexpr int kBundledRole = Qt::UserRole;
constexpr int kTypedNameLength = 30;

} // namespace

StartScreen::StartScreen(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Startup"));
    WindowIcon::apply(this);
    buildControls();
    TextDisplay::plainLabels(this);
    // A fresh program folder has no Questions folder yet.
    QDir().mkpath(m_state.folders.questionsDir());
    listSets();
    pickLastSet();
    m_fileNameBox->setFocus();
    connect(new FileWatch(m_state.folders.questionsDir(), this), &FileWatch::changed, this,
            &StartScreen::listSets);
    Zoom::attach(this, m_services.settings);
}

void StartScreen::buildControls()
{
    auto *title = named(new QLabel(tr("Quorvane?")), "Label1");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    Colors::setForeground(title, Colors::title(palette()));

    auto *pickNote = wrapped(tr("If you would like to load a set of questions, select "
                                            "it from the list below."),
                             "Label4");
    m_setList = named(new QListWidget, "File1");
    m_setList->setMinimumHeight(120);
    pickNote->setBuddy(m_setList);
    m_setList->setAccessibleName(tr("Question sets"));
    ListReading::sayCurrentOnFocus(m_setList);
    m_unlistedLabel = wrapped(QString(), "lbl_unlisted");
    m_bundledNote = wrapped(tr("Sets in italics came with Quorvane: they play, and can be "
                               "copied into your own sets to be changed."),
                            "lbl_bundled");

    auto *newSetNote = wrapped(tr("If you would like to create a new set of questions, "
                                              "enter the file name below. Do NOT add any file "
                                              "extensions or it will not run properly."),
                               "Label2");
    auto *divider = named(new QFrame, "Line2");
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    m_addFileButton = named(new QPushButton(tr("&Add a Set from a File\u2026")), "cmd_addfile");
    m_addFileButton->setToolTip(tr("Copies a .dat file, such as one a friend sent, into your "
                                   "question sets. You can also drop files onto the list."));
    m_continueButton = named(new QPushButton(tr("Continue")), "Command1");
    m_continueButton->setDefault(true);

    auto *left = new QVBoxLayout;
    left->addWidget(newSetNote);
    left->addLayout(buildFields());
    left->addWidget(pickNote);
    left->addWidget(m_setList, 1);
    left->addWidget(m_unlistedLabel);
    left->addWidget(m_bundledNote);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(12);
    columns->addLayout(buildNotes(), 2);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_addFileButton);
    bottom->addStretch(1);
    bottom->addWidget(m_continueButton);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(title);
    outer->addLayout(columns, 1);
    outer->addWidget(divider);
    outer->addLayout(bottom);
    connectControls();
    resize(720, 480);
}

void StartScreen::connectControls()
{
    // Ctrl+Q ends the program as the close box does.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);
    setTabOrder(m_fileNameBox, m_creatorBox);
    setTabOrder(m_creatorBox, m_messageBox);
    setTabOrder(m_messageBox, m_passwordBox);
    setTabOrder(m_passwordBox, m_setList);
    setTabOrder(m_setList, m_addFileButton);
    setTabOrder(m_addFileButton, m_continueButton);

    // Only a choice in the list fills the name box: tabbing into the list
    // makes a row current without selecting it, and must not replace a typed
    // name.
    connect(m_setList, &QListWidget::itemSelectionChanged, this, &StartScreen::useChosenSet);
    connect(m_setList, &QListWidget::itemClicked, this, &StartScreen::useChosenSet);
    connect(m_continueButton, &QPushButton::clicked, this, &StartScreen::openChosenSet);
    connect(m_addFileButton, &QPushButton::clicked, this, &StartScreen::addSetFromFile);
    m_setList->setAcceptDrops(true);
    m_setList->viewport()->installEventFilter(this);
    // Enter in any field means "Continue", as in a dialog.
    for (QLineEdit *box : {m_fileNameBox, m_creatorBox, m_messageBox, m_passwordBox})
        connect(box, &QLineEdit::returnPressed, m_continueButton, &QPushButton::click);
}

QLayout *StartScreen::buildFields()
{
    auto *fields = new QGridLayout;
    auto field = [fields, row = 0](const QString &caption, const char *labelName,
                                   const char *boxName, int maxLength) mutable {
        auto *label = named(new QLabel(caption), labelName);
        auto *box = named(new QLineEdit, boxName);
        box->setMaxLength(maxLength);
        label->setBuddy(box);
        box->setAccessibleName(caption);
        fields->addWidget(label, row, 0);
        fields->addWidget(box, row++, 1);
        return std::pair{label, box};
    };
    m_fileNameBox = field(tr("File Name"), "Label14", "Text1", kTypedNameLength).second;
    connect(m_fileNameBox, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_fileNameBox->setMaxLength(std::max(kTypedNameLength, int(text.size())));
    });
    std::tie(m_creatorLabel, m_creatorBox) =
        field(tr("Your Name"), "Label15", "txt_name", 30);
    std::tie(m_messageLabel, m_messageBox) =
        field(tr("Message"), "Label16", "txt_message", 150);
    std::tie(m_passwordLabel, m_passwordBox) =
        field(tr("Password"), "Label5", "txt_pass", 6);
    return fields;
}

QLayout *StartScreen::buildNotes()
{
    auto *passwordNote = wrapped(tr("NOTE: In order to stop people from altering the "
                                                "questions you have made, type in a password into "
                                                "the password box. It must be no more than 6 "
                                                "characters. Make sure you WRITE IT DOWN!"),
                                 "Label7");
    passwordNote->setFrameShape(QFrame::StyledPanel);
    passwordNote->setMargin(6);
    Colors::setPair(passwordNote, Colors::note);
    auto *sharingNote = wrapped(
        tr("The beauty of this system is you can send and receive the question "
                       "files between friends across the net and play what they have made. "
                       "Other people may also want to play with your questions. To let everyone "
                       "know who created these specific questions, enter your name and any "
                       "message you would like to give to your players."),
        "Label6");
    auto *websiteNote = wrapped(tr("Visit our web site for updates and new question "
                                               "sets. Made a set you are proud of? Send us your "
                                               ".dat file and we will publish it there for "
                                               "everyone to play."),
                                "Label10");

    auto *notes = new QVBoxLayout;
    notes->addWidget(passwordNote);
    notes->addWidget(sharingNote);
    notes->addStretch(1);
    notes->addWidget(websiteNote);
    notes->addWidget(named(new QLabel(QStringLiteral("www.quorvane.example")), "Label11"));
    notes->addWidget(named(new QLabel(QStringLiteral("feedback@quorvane.example")), "Label12"));
    return notes;
}

// Lists the sets, and again whenever another program changes the folder: the
// set picked stays picked while it is there, and the name box is left alone.
void StartScreen::listSets()
{
    // What killed writers left behind goes; copies being written stay.
    SafeRewrite::sweep(m_state.folders.questionsDir());
    showUnlisted();
    const QList<ProgramFolders::Listed> sets = m_state.folders.listedSets();
    m_bundledNote->setVisible(std::any_of(sets.begin(), sets.end(),
                                          [](const auto &set) { return set.bundled; }));
    if (sets == listedSets())
        return;
    const QList<QListWidgetItem *> chosen = m_setList->selectedItems();
    const QString picked = chosen.isEmpty() ? QString() : chosen.first()->text();
    const QSignalBlocker quiet(m_setList);
    m_setList->clear();
    for (const ProgramFolders::Listed &set : sets)
        m_setList->addItem(listItem(set));
    // Screen readers say where in the list each set stands.
    for (int i = 0; i < m_setList->count(); ++i)
        m_setList->item(i)->setData(Qt::AccessibleDescriptionRole,
                                    tr("%1 of %2", "place in the list").arg(i + 1).arg(sets.size()));
    if (const auto again = m_setList->findItems(picked, Qt::MatchExactly);
        !picked.isEmpty() && !again.isEmpty())
        m_setList->setCurrentItem(again.first());
    else if (!sets.isEmpty()) // tabbing in finds one to read out; only a choice picks it
        m_setList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

// The set picked last time is picked again, while it is still there.
void StartScreen::pickLastSet()
{
    const QString last = m_services.settings->lastSet();
    if (const auto found = m_setList->findItems(last, Qt::MatchExactly);
        !last.isEmpty() && !found.isEmpty())
        m_setList->setCurrentItem(found.first());
}

// A bundled set shows in italics, and says so to the pointer and to screen
// readers; its text stays its name.
QListWidgetItem *StartScreen::listItem(const ProgramFolders::Listed &set) const
{
    auto *item = new QListWidgetItem(set.name);
    item->setData(kBundledRole, set.bundled);
    if (!set.bundled)
        return item;
    QFont italic = m_setList->font();
    italic.setItalic(true);
    item->setFont(italic);
    const QString bundled = tr("%1 (came with Quorvane, cannot be changed)").arg(set.name);
    item->setToolTip(bundled);
    item->setData(Qt::AccessibleTextRole, bundled);
    return item;
}

QList<ProgramFolders::Listed> StartScreen::listedSets() const
{
    QList<ProgramFolders::Listed> sets;
    for (int i = 0; i < m_setList->count(); ++i)
        sets.append({m_setList->item(i)->text(), m_setList->item(i)->data(kBundledRole).toBool()});
    return sets;
}

// Qt lists no name that is not valid UTF-8; the user is told they are there.
void StartScreen::showUnlisted()
{
    const int unlisted = PlainFile::undecodableSetNames(m_state.folders.questionsDir());
    m_unlistedLabel->setText(
        unlisted == 1 ? tr("1 file is not listed: its name is not valid UTF-8.")
                      : tr("%1 files are not listed: their names are not valid UTF-8.")
                            .arg(unlisted));
    m_unlistedLabel->setVisible(unlisted > 0);
}

void StartScreen::useChosenSet()
{
    const QList<QListWidgetItem *> chosen = m_setList->selectedItems();
    if (chosen.isEmpty())
        return;
    // A picked name is shown whole, however long; typing never lengthens it.
    m_pickedName = chosen.first()->text();
    m_fileNameBox->setMaxLength(std::max(kTypedNameLength, int(m_pickedName.size())));
    m_fileNameBox->setText(m_pickedName);
}

// The file the box names: a picked set exactly as listed; a typed name with
// ".dat" added (to the box as well) unless it ends so, then trimmed.
QString StartScreen::chosenSetName()
{
    if (!m_pickedName.isEmpty() && m_fileNameBox->text() == m_pickedName)
        return m_pickedName;
    if (!m_fileNameBox->text().endsWith(QLatin1String(".dat"), Qt::CaseSensitive))
        m_fileNameBox->setText(m_fileNameBox->text() + QLatin1String(".dat"));
    return FixedText::trimSpaces(m_fileNameBox->text());
}

void StartScreen::openChosenSet()
{
    // Under one of its own message boxes, a press that gets here does nothing.
    if (Modal::blocks(this))
        return;
    const QString setName = chosenSetName();
    if (!pickedSetStillThere(setName) || !setFileUsable(setName))
        return;
    // The typed details only go into the header of a new set.
    if (QuestionSet(m_state.folders.setPathFor(setName)).isNew() && !headerTextsStorable())
        return;

    const QuestionSet::Details details = QuestionSet::withDefaults(
        {m_creatorBox->text(), m_messageBox->text(), FixedText::trimSpaces(m_passwordBox->text())},
        QuestionSet::FillEachBlank);
    m_state.set.name = setName;
    m_state.newSet = details;
    m_services.settings->setLastSet(setName);

    // The main window is shown before this one closes, so that closing the
    // last window never ends the program on the way.
    Navigator::openMainWindow(m_state, m_services);
    close();
}

// A set picked from the list that another program has since removed (or
// whose folder went) is reported gone, never made anew; a typed name still is.
bool StartScreen::pickedSetStillThere(const QString &setName)
{
    const QuestionSet set(m_state.folders.setPathFor(setName));
    if (setName != m_pickedName || QFileInfo::exists(set.path()))
        return true;
    m_services.dialogs->message(this, set.missingHeader(), tr(kSetTitle));
    m_pickedName.clear();
    listSets();
    return false;
}

// A new set's header is stored in Windows-1252; a character it lacks would be
// stored as '?', and a password holding one could never be typed again.
bool StartScreen::headerTextsStorable()
{
    const std::pair<QLabel *, QLineEdit *> boxes[] = {{m_creatorLabel, m_creatorBox},
                                                      {m_messageLabel, m_messageBox},
                                                      {m_passwordLabel, m_passwordBox}};
    for (const auto &[label, box] : boxes) {
        const QString problem = QuestionSet::textProblem(label->text(), box->text());
        if (problem.isEmpty())
            continue;
        m_services.dialogs->message(this, problem, tr(kSetTitle));
        box->setFocus();
        return false;
    }
    return true;
}

// Refuses a name that would leave the Questions folder or that the file
// system will not take, before anything is changed.
bool StartScreen::setFileUsable(const QString &setName)
{
    QString problem = QuestionSet::nameProblem(ProgramFolders::setFileName(setName));
    if (problem.isEmpty())
        problem = QuestionSet(m_state.folders.setPathFor(setName)).openProblem();
    if (problem.isEmpty())
        return true;
    m_services.dialogs->message(this, problem, tr(kSetTitle));
    return false;
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (watched != m_setList->viewport()
        || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QWidget::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    QStringList paths;
    for (const QUrl &url : drop->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty() || Modal::blocks(this))
        return false;
    drop->acceptProposedAction();
    // The files are added once the drop is over: the program they came from
    // waits for it to end, and adding may ask questions.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, paths] { addSetFiles(paths); });
    return true;
}

void StartScreen::addSetFromFile()
{
    if (Modal::blocks(this))
        return;
    const QString path = m_services.dialogs->chooseOpenFile(
        this, tr("Add a Set from a File"), tr("Question sets (*.dat);;All files (*)"));
    if (!path.isEmpty())
        addSetFiles({path});
}

// Each file in turn; the last one added is picked.
void StartScreen::addSetFiles(const QStringList &paths)
{
    QString added;
    for (const QString &path : paths) {
        if (const QString name = addSetFile(path); !name.isEmpty())
            added = name;
    }
    listSets();
    if (!added.isEmpty())
        pickSet(added);
}

// Checks the file and copies it in. The name it now has, or empty when it
// was not added.
QString StartScreen::addSetFile(const QString &source)
{
    if (const QString why = SetAdding::refusal(source); !why.isEmpty()) {
        m_services.dialogs->message(this, why, tr("Add a Set"));
        return {};
    }
    const QString own = QFileInfo(source).fileName();
    QString name = QuestionSet::freeName(m_state.folders.questionsDir(), own);
    auto way = SetAdding::Way::AsNew;
    if (name != own && !replaceOrKeepBoth(own, name, way))
        return {};
    QString error;
    // Into the user's folder even where a bundled set has that name: the
    // user's copy then stands in for it, as any set of the user's does.
    const QString target = QDir(m_state.folders.questionsDir()).filePath(name);
    if (SetAdding::copy(source, target, way, &error))
        return name;
    m_services.dialogs->message(this, error, tr("Add a Set"));
    return {};
}

// A set named own is there already: the user says whether the new one goes
// beside it under the free name (Enter's choice, as nothing is lost) or
// replaces it. False for neither.
bool StartScreen::replaceOrKeepBoth(const QString &own, QString &name, SetAdding::Way &way)
{
    const int choice = m_services.dialogs->choose(
        this, tr("A set named \"%1\" is already there. Keep both, or replace it?").arg(own),
        tr("Add a Set"), {tr("&Keep Both"), tr("&Replace")});
    if (choice == 1) {
        name = own;
        way = SetAdding::Way::Replacing;
    }
    return choice >= 0;
}

void StartScreen::pickSet(const QString &fileName)
{
    const QList<QListWidgetItem *> found = m_setList->findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_setList->setCurrentItem(found.first());
    m_setList->scrollToItem(found.first());
    useChosenSet();
}
