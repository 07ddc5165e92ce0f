// Times the screens themselves on the largest set, as a person waits for
// them: opening the main window and the manager, a keystroke of find, a click
// on a column header and a zoom step. Each runs twice: as the program alone
// (argument 0) and with a screen reader's work (argument 1): Qt's
// accessibility active, its events delivered, and after every change a walk
// of the window's accessibility tree asking each object its name, role and
// state, down to the rows a list shows, as a screen reader does.
#include "benchset.h"

#include "app/mainwindow.h"
#include "app/navigator.h"
#include "game/gamescreen.h"
#include "game/soundservice.h"
#include "game/systemrandomsource.h"
#include "manage/questionlistmodel.h"
#include "manage/questionmanager.h"
#include "storage/questionset.h"
#include "storage/settings.h"
#include "ui/dialogservice.h"
#include "ui/services.h"
#include "ui/zoom.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Answers every question a screen asks without showing anything: the game's
// name prompt gets a name, every yes/no a no.
class QuietDialogs final : public DialogService
{
public:
    void message(QWidget *, const QString &, const QString &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    int choose(QWidget *, const QString &, const QString &, const QStringList &) override { return -1; }
    QString prompt(QWidget *, const QString &, const QString &, const PromptOptions &) override
    {
        return QStringLiteral("Ann");
    }
    QString chooseOpenFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseSaveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

class SilentSound final : public SoundService, public SoundBank
{
public:
    SoundBank &loadGame(const QString &) override { return *this; }
    void play(GameSound) override {}
    void stop(GameSound) override {}
};

struct BenchServices
{
    QuietDialogs dialogs;
    SilentSound sound;
    SystemRandomSource random;
    // Settings of their own, never the user's.
    QTemporaryDir settingsDir;
    Settings settings{settingsDir.filePath(QStringLiteral("quorvane.conf"))};
    Services services{&dialogs, &random, &sound, nullptr, &settings};
};

BenchServices &services()
{
    static BenchServices s;
    return s;
}

int g_screenFailures = 0;

void failScreen(benchmark::State &state, const char *why)
{
    ++g_screenFailures;
    state.SkipWithError(why);
}

// Switches Qt's accessibility on for a screen reader's run, with an update
// handler standing for the bridge that carries events to the reader.
class ReaderSwitch
{
public:
    explicit ReaderSwitch(bool on)
        : m_on(on)
    {
        if (m_on) {
            m_previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
                benchmark::DoNotOptimize(event->type());
            });
            QAccessible::setActive(true);
        }
    }
    ~ReaderSwitch()
    {
        if (m_on) {
            QAccessible::setActive(false);
            QAccessible::installUpdateHandler(m_previous);
        }
    }
    bool on() const { return m_on; }

private:
    bool m_on;
    QAccessible::UpdateHandler m_previous = nullptr;
};

int walk(QAccessibleInterface *node, int depth);

// A view's rows as a screen reader takes them: only those it shows.
int walkShownRows(QAccessibleTableInterface *table, QAbstractItemView *view, int depth)
{
    const QRect shown = view->viewport()->rect();
    const int first = std::max(0, view->indexAt(shown.topLeft()).row());
    int last = view->indexAt(shown.bottomLeft()).row();
    if (last < 0)
        last = table->rowCount() - 1;
    int visited = 0;
    for (int row = first; row <= last && row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            visited += walk(table->cellAt(row, column), depth + 1);
    return visited;
}

// Every object's name, role and state, children first to last.
int walk(QAccessibleInterface *node, int depth)
{
    if (!node || !node->isValid() || depth > 64)
        return 0;
    benchmark::DoNotOptimize(node->text(QAccessible::Name));
    benchmark::DoNotOptimize(node->role());
    benchmark::DoNotOptimize(node->state());
    int visited = 1;
    auto *view = qobject_cast<QAbstractItemView *>(node->object());
    if (QAccessibleTableInterface *table = node->tableInterface(); table && view)
        return visited + walkShownRows(table, view, depth);
    for (int i = 0; i < node->childCount(); ++i)
        visited += walk(node->child(i), depth + 1);
    return visited;
}

// What a screen reader does once a window opens or changes; the objects it
// asked about are shown as the benchmark's counter "read".
void readWindow(const ReaderSwitch &reader, QWidget *window, benchmark::State &state)
{
    QApplication::processEvents();
    if (reader.on())
        state.counters["read"] = walk(QAccessible::queryAccessibleInterface(window), 0);
}

// The main window from Continue until its counts are shown.
void BM_ScreenMainWindow(benchmark::State &state)
{
    BenchSet &set = BenchSet::instance();
    const ReaderSwitch reader(state.range(0) == 1);
    for (auto _ : state) {
        MainWindow *window = Navigator::openMainWindow(set.state(), services().services);
        readWindow(reader, window, state);
        state.PauseTiming();
        const bool shown = window->isVisible();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
        if (!shown)
            return failScreen(state, "the main window did not open");
    }
}

QTreeView *listOf(QWidget *manager)
{
    return manager->findChild<QTreeView *>(QStringLiteral("ListView1"));
}

// A manager opened as its password lets it, or nullptr.
std::unique_ptr<QuestionManager> openManager(BenchSet &set)
{
    if (QuestionSet(set.path()).unlock(QString::fromUtf8(BenchSet::PASSWORD),
                                       QuestionSet::Purpose::Managing)
        != QuestionSet::Unlock::Opened)
        return nullptr;
    auto manager = std::make_unique<QuestionManager>(set.path(), services().services);
    manager->show();
    return manager;
}

// The manager from its password until the list is filled.
void BM_ScreenManager(benchmark::State &state)
{
    BenchSet &set = BenchSet::instance();
    const ReaderSwitch reader(state.range(0) == 1);
    for (auto _ : state) {
        std::unique_ptr<QuestionManager> manager = openManager(set);
        if (manager)
            readWindow(reader, manager.get(), state);
        state.PauseTiming();
        const bool filled = manager && listOf(manager.get())->model()->rowCount()
                                           == set.listedRows();
        manager.reset();
        QApplication::processEvents();
        state.ResumeTiming();
        if (!filled)
            return failScreen(state, "the manager did not list the set");
    }
}

// A manager open on the set, for the changes timed in it.
QuestionManager *openedManager(benchmark::State &state, std::unique_ptr<QuestionManager> &held)
{
    held = openManager(BenchSet::instance());
    if (!held) {
        failScreen(state, "the manager did not open");
        return nullptr;
    }
    QApplication::processEvents();
    return held.get();
}

// One keystroke in the find box: the last letter of "cafe" typed or taken back.
void BM_ScreenFind(benchmark::State &state)
{
    std::unique_ptr<QuestionManager> held;
    QuestionManager *manager = openedManager(state, held);
    if (!manager)
        return;
    auto *box = manager->findChild<QLineEdit *>(QStringLiteral("txt_find"));
    box->setText(QStringLiteral("caf"));
    QApplication::processEvents();
    const ReaderSwitch reader(state.range(0) == 1);
    int keystroke = 0;
    for (auto _ : state) {
        const bool typing = keystroke++ % 2 == 0;
        QKeyEvent press(QEvent::KeyPress, typing ? Qt::Key_E : Qt::Key_Backspace, Qt::NoModifier,
                        typing ? QStringLiteral("e") : QString());
        QApplication::sendEvent(box, &press);
        readWindow(reader, manager, state);
    }
    if (box->text() != QStringLiteral("caf") && box->text() != QStringLiteral("cafe"))
        failScreen(state, "the find box did not take the keystrokes");
}

// One click on the question column's header: the whole list sorted again.
void BM_ScreenSort(benchmark::State &state)
{
    std::unique_ptr<QuestionManager> held;
    QuestionManager *manager = openedManager(state, held);
    if (!manager)
        return;
    QHeaderView *header = listOf(manager)->header();
    const int column = QuestionListModel::QuestionColumn;
    const ReaderSwitch reader(state.range(0) == 1);
    for (auto _ : state) {
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, middle, header->mapToGlobal(middle),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, middle, header->mapToGlobal(middle),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &press);
        QApplication::sendEvent(header->viewport(), &release);
        readWindow(reader, manager, state);
    }
    if (header->sortIndicatorSection() != column)
        failScreen(state, "the header click did not sort");
}

// One zoom step in or out, alternately, as Ctrl++ and Ctrl+- do.
void zoomSteps(benchmark::State &state, QWidget *window)
{
    Zoom *zoom = Zoom::of(window);
    if (!zoom)
        return failScreen(state, "the window has no zoom");
    QApplication::processEvents();
    const ReaderSwitch reader(state.range(0) == 1);
    int step = 0;
    for (auto _ : state) {
        zoom->zoomTo(step++ % 2 == 0 ? 1 + Zoom::STEP : 1);
        readWindow(reader, window, state);
    }
}

void BM_ScreenZoomManager(benchmark::State &state)
{
    std::unique_ptr<QuestionManager> held;
    if (QuestionManager *manager = openedManager(state, held))
        zoomSteps(state, manager);
}

void BM_ScreenZoomGame(benchmark::State &state)
{
    BenchSet &set = BenchSet::instance();
    GameScreen game(set.state().folders, set.state().set, services().services);
    game.show();
    zoomSteps(state, &game);
}

// The floor of a screen reader's walk: a plain tree view over a plain model
// with the manager's columns, as many rows as the manager shows, the same size.
void BM_ScreenFloorWalk(benchmark::State &state)
{
    std::unique_ptr<QuestionManager> held;
    QuestionManager *manager = openedManager(state, held);
    if (!manager)
        return;
    QTreeView *list = listOf(manager);
    QStandardItemModel model(BenchSet::instance().listedRows(), list->model()->columnCount());
    for (int row = 0; row < 60 && row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            model.setItem(row, column, new QStandardItem(QStringLiteral("WHICH CITY LIES ON THE DANUBE?")));
    QTreeView plain;
    plain.setRootIsDecorated(false);
    plain.setUniformRowHeights(true);
    plain.setModel(&model);
    plain.resize(list->size());
    plain.show();
    held.reset();
    const ReaderSwitch reader(true);
    QApplication::processEvents();
    for (auto _ : state)
        readWindow(reader, &plain, state);
}

} // namespace

int screenBenchFailures()
{
    return g_screenFailures;
}

#define SCREEN_BENCHMARK(name)                                                                    \
    BENCHMARK(name)->ArgName("reader")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()

SCREEN_BENCHMARK(BM_ScreenMainWindow);
SCREEN_BENCHMARK(BM_ScreenManager);
SCREEN_BENCHMARK(BM_ScreenFind);
SCREEN_BENCHMARK(BM_ScreenSort);
SCREEN_BENCHMARK(BM_ScreenZoomGame);
SCREEN_BENCHMARK(BM_ScreenZoomManager);
BENCHMARK(BM_ScreenFloorWalk)->Unit(benchmark::kMillisecond)->UseRealTime();
