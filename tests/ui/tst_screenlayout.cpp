#include "app/mainwindow.h"
#include "app/startscreen.h"
#include "game/certificatewindow.h"
#include "game/gamescreen.h"
#include "game/pollchart.h"
#include "gamedriver.h"
#include "managerhelpers.h"
#include "manage/questionmanager.h"
#include "testprogram.h"
#include "ui/aboutscreen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QtTest>

#include <functional>

namespace {

using Opener = std::function<QWidget *(GameDriver &)>;

// A long player name and set name, so that texts filled in at run time are
// measured as well as the fixed ones.
void fillState(AppState &state)
{
    state.player_name = QStringLiteral("Bartholomew Montgomery-Smythe");
    state.set_name = QStringLiteral("General Knowledge.dat");
    state.winnings = QStringLiteral("£1000000");
    state.lifelines_used = 3;
    state.poll_a = 100;
}

bool fits(const QWidget *widget)
{
    QString text;
    int room = widget->width();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return true;
        text = label->text();
        room = label->contentsRect().width();
    } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        text = button->text().remove(QLatin1Char('&'));
    }
    return widget->fontMetrics().horizontalAdvance(text) <= room + 1;
}

// Where a control shows something: a one-line label only where its text
// stands; shapes, lines and plain panels are background and show nothing.
QRect shown(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty() || label->wordWrap())
            return label->geometry();
        const QRect text = QStyle::alignedRect(
            label->layoutDirection(), QStyle::visualAlignment(label->layoutDirection(), label->alignment()),
            label->fontMetrics().size(0, label->text()).boundedTo(label->contentsRect().size()),
            label->contentsRect());
        return text.translated(label->pos());
    }
    const bool shows = w->inherits("QAbstractButton") || w->inherits("QLineEdit")
                       || w->inherits("QAbstractScrollArea") || w->inherits("QComboBox")
                       || w->inherits("QGroupBox");
    return shows ? w->geometry() : QRect();
}

// Each child lies inside its parent, what siblings show overlaps only where
// one stands wholly on top of the other (a label on its box, a cross on its
// badge), and every one-line text fits its control.
void checkLayout(const QWidget *window)
{
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        // The game keeps its winnings in a label too small to read, by design.
        if (!w->isVisibleTo(window) || w->isWindow() || w->objectName() == QLatin1String("lbl_dosh"))
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                       : w->objectName();
        const QRect own = shown(w).isNull() ? w->geometry() : shown(w);
        QVERIFY2(w->parentWidget()->rect().contains(own), qPrintable(name + " sticks out"));
        QVERIFY2(fits(w), qPrintable(name + " does not fit its text"));
        for (const QObject *other : w->parentWidget()->children()) {
            auto *sibling = qobject_cast<const QWidget *>(other);
            if (!sibling || sibling == w || !sibling->isVisibleTo(window) || sibling->isWindow()
                || sibling->objectName() == QLatin1String("lbl_dosh"))
                continue;
            const QRect a = shown(w), b = shown(sibling);
            QVERIFY2(!a.intersects(b) || a.contains(b) || b.contains(a),
                     qPrintable(name + " overlaps " + sibling->objectName()));
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Opener)

// One check of every screen's layout, in place of per-screen numbers.
class TestScreenLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }

    void everyScreenIsTidy_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("start screen") << Opener([](GameDriver &g) {
            return new StartScreen(g.program.state, g.program.services);
        });
        QTest::newRow("main window") << Opener([](GameDriver &g) {
            return new MainWindow(g.program.state, g.program.services);
        });
        QTest::newRow("game") << Opener([](GameDriver &g) -> QWidget * { return g.start(); });
        QTest::newRow("poll chart") << Opener([](GameDriver &g) {
            return new PollChart(g.program.state);
        });
        QTest::newRow("certificate") << Opener([](GameDriver &g) {
            return new CertificateWindow(g.program.state, g.program.services);
        });
        QTest::newRow("manager") << Opener([](GameDriver &g) -> QWidget * {
            return ManagerHelpers::openManager(g.program, {makeHeader("Hi", "Ann", "")});
        });
        QTest::newRow("about") << Opener([](GameDriver &) { return new AboutScreen; });
    }

    void everyScreenIsTidy()
    {
        QFETCH(Opener, open);
        GameDriver game;
        fillState(game.program.state);
        QWidget *window = open(game);
        window->show();
        checkLayout(window);
        if (window != game.form.get())
            delete window;
    }
};

QTEST_MAIN(TestScreenLayout)
#include "tst_screenlayout.moc"
