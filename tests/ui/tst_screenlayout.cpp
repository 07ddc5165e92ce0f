#include "app/mainwindow.h"
#include "app/startscreen.h"
#include "game/certificatewindow.h"
#include "game/gamescreen.h"
#include "game/pollchart.h"
#include "gamedriver.h"
#include "managerhelpers.h"
#include "manage/questionmanager.h"
#include "storage/setfile.h"
#include "testprogram.h"
#include "ui/aboutscreen.h"
#include "ui/zoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QtTest>

#include <functional>

namespace {

using Opener = std::function<QWidget *(GameDriver &)>;

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

// A control of the screen, not an inner part of a list or text box, nor the
// menu bar, which keeps its size.
bool isControl(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w; p != window; p = p->parentWidget()) {
        if (p->inherits("QMenuBar") || (p != w && (p->inherits("QAbstractScrollArea") || p->inherits("QLineEdit"))))
            return false;
    }
    return !w->isWindow();
}

// A control's place in the window, below any menu bar.
QRect placeOf(const QWidget *w, const QWidget *window)
{
    auto *menu = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    return QRect(w->mapTo(window, QPoint(0, menu ? -menu->height() : 0)), w->size());
}

// What a screen reader meets: every control named, a text box by its label,
// a label with what it shows, a button that presses, a picture that acts as
// a button saying whether it is used.
void checkSpoken(const QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !isControl(w, window) || w->parentWidget()->inherits("QComboBox"))
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        const QString name = a->text(QAccessible::Name);
        const QByteArray id = (w->objectName() + " says " + name).toUtf8();
        auto *label = qobject_cast<QLabel *>(w);
        QVERIFY2(name.contains(label ? label->text() : QString()), id);
        QVERIFY2(!name.isEmpty() || (!a->state().focusable && a->role() != QAccessible::Graphic), id);
        for (const QLabel *caption : window->findChildren<QLabel *>()) {
            if (caption->buddy() == w && a->role() == QAccessible::EditableText)
                QCOMPARE(name, caption->text());
        }
        if (a->role() != QAccessible::Button && a->role() != QAccessible::PushButton)
            continue;
        QVERIFY2(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()), id);
        auto *picture = qobject_cast<QAbstractButton *>(w);
        QVERIFY2(!picture || !picture->text().isEmpty() || a->text(QAccessible::Description).contains("used"), id);
    }
}

// What a screen reader says as a window opens: the window's name and
// description, then those of the control with the focus.
QString heardOnOpening(QWidget *window)
{
    QStringList said;
    for (QWidget *w : {window, window->focusWidget()}) {
        QAccessibleInterface *a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        if (a)
            said << a->text(QAccessible::Name) << a->text(QAccessible::Description);
    }
    return said.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Opener)

// One check of every screen's layout, unzoomed and at twice the size, and of
// what a screen reader hears of it, in place of per-screen numbers.
class TestScreenLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void everyScreenIsTidy_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QStringList>("heard"); // as it opens, among other things
        QTest::newRow("start screen") << Opener([](GameDriver &g) { return new StartScreen(g.program.state, g.program.services); })
                                      << QStringList();
        QTest::newRow("main window") << Opener([](GameDriver &g) { return new MainWindow(g.program.state, g.program.services); })
                                     << QStringList();
        QTest::newRow("game") << Opener([](GameDriver &g) -> QWidget * { return g.start(); }) << QStringList();
        QTest::newRow("poll chart") << Opener([](GameDriver &) { return new PollChart({100, 0, 0, 0}); })
                                    << QStringList{"A: 100%, B: 0%, C: 0%, D: 0%"};
        QTest::newRow("certificate") << Opener([](GameDriver &g) {
            // A long name, so that texts filled in at run time are measured too.
            return new CertificateWindow({"Bartholomew Montgomery-Smythe", "£1000000", 3, g.program.state.set.name},
                                         g.program.services);
        }) << QStringList{"BARTHOLOMEW MONTGOMERY-SMYTHE won £1000000", "GENERAL KNOWLEDGE"};
        QTest::newRow("manager") << Opener([](GameDriver &g) -> QWidget * {
            return ManagerHelpers::openManager(g.program, {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "Q")});
        }) << QStringList{"1 question"};
        QTest::newRow("manager, finding in the largest set") << Opener([](GameDriver &g) {
            QList<QuestionRecord> all; // no header: every record counts, the widest count
            for (int i = 0; i < SetFile::MAX_RECORDS; ++i)
                all << makeQuestion(1 + i % 15, 1 + i % 8998, "Q");
            QWidget *form = ManagerHelpers::openManager(g.program, all);
            form->findChild<QAction *>("find")->trigger();
            control<QLineEdit>(form, "txt_find")->setText("answer");
            QTest::qCompare(control<QLabel>(form, "lbl_found")->text(), "32767 of 32767", "count",
                            "widest", __FILE__, __LINE__);
            return form;
        }) << QStringList{"Find, 32767 of 32767"};
        QTest::newRow("about") << Opener([](GameDriver &) { return new AboutScreen; }) << QStringList();
    }

    void everyScreenIsTidy()
    {
        QFETCH(Opener, open);
        QFETCH(QStringList, heard);
        GameDriver game;
        game.program.state.set.name = QStringLiteral("General Knowledge.dat");
        QWidget *window = open(game);
        window->show();
        for (const QString &text : heard)
            QVERIFY2(heardOnOpening(window).contains(text), qPrintable(heardOnOpening(window)));
        checkLayout(window);
        checkSpoken(window);
        // At twice the size a window laid out by hand is the same picture to a
        // pixel, and every window's fonts are twice as large.
        QHash<QWidget *, std::pair<QRect, qreal>> before;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (isControl(w, window))
                before[w] = {placeOf(w, window), w->font().pointSizeF()};
        }
        Zoom::of(window)->zoomTo(2.0);
        QCoreApplication::sendPostedEvents(); // layouts settle
        checkLayout(window);
        for (auto [w, was] : before.asKeyValueRange()) {
            QCOMPARE(w->font().pointSizeF(), 2 * was.second);
            const QRect now = placeOf(w, window);
            const QPoint start = now.topLeft() - was.first.topLeft() * 2;
            const QPoint end = now.bottomRight() - (was.first.bottomRight() * 2 + QPoint(1, 1));
            QVERIFY2(window->layout() || std::max({qAbs(start.x()), qAbs(start.y()), qAbs(end.x()), qAbs(end.y())}) <= 1,
                     qPrintable(w->objectName() + " moved"));
        }
        if (window != game.form.get())
            delete window;
    }
};

QTEST_MAIN(TestScreenLayout)
#include "tst_screenlayout.moc"
