#include "darkpalette.h"
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
#include "ui/language.h"
#include "ui/zoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

using Opener = std::function<QWidget *(GameDriver &)>;

bool fits(const QWidget *widget)
{
    QString text;
    int room = widget->width();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return true;
        // A wrapped text needs its lines' height.
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height() + 1;
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
        // The game keeps its winnings in a label too small to read, and the
        // main window tells readers the round in a label of no size, by design.
        if (!w->isVisibleTo(window) || w->isWindow() || w->objectName() == QLatin1String("lbl_dosh")
            || w->objectName() == QLatin1String("lbl_round_said"))
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
        QVERIFY2(!picture || !picture->text().isEmpty() || !a->text(QAccessible::Description).isEmpty(), id);
    }
}

// A language whose every text is the English one between marks, for texts in
// the catalogue; anything else stays as it is.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator()
        : QTranslator(qApp)
    {
        QFile ts(QStringLiteral(QUORVANE_SOURCE_DIR "/translations/quorvane_de.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                m_known.insert(context + u'|' + xml.readElementText());
        }
        QVERIFY(m_known.size() > 100);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return m_known.contains(QLatin1String(context) + u'|' + text) ? u'\u27E6' + text + u'\u27E7' : QString();
    }

private:
    QSet<QString> m_known;
};

// The objects that show what a set file or the player wrote, never translated.
const QStringList kFromFiles = {"lbl_qset2", "lbl_name", "lbl_message", "lbl_q", "lbl_a", "lbl_b",
                                "lbl_c", "lbl_d", "lbl_subject", "File1"};

// Under the marking language every word a screen shows or speaks comes from
// the catalogue: amounts, letters, numbers and addresses aside.
void checkMarked(const QWidget *window)
{
    const QRegularExpression words(QStringLiteral("\\p{L}{2}")), address(QStringLiteral("^\\S+\\.\\S+$"));
    const auto check = [&](const QString &where, const QString &text) {
        QVERIFY2(!text.contains(words) || text.contains(address) || text.contains(QChar(0x27E6)),
                 qPrintable(where + ": " + text));
    };
    check(QStringLiteral("title"), window->windowTitle());
    for (const QAction *action : window->findChildren<QAction *>())
        check(action->objectName(), action->text());
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !isControl(w, window) || kFromFiles.contains(w->objectName()))
            continue;
        check(w->objectName(), QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
        if (auto *label = qobject_cast<QLabel *>(w))
            check(w->objectName(), label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            check(w->objectName(), button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            check(w->objectName(), group->title());
    }
}

// At twice the size a window laid out by hand is the same picture to a pixel,
// and every window's fonts are twice as large.
void checkZoomed(QWidget *window)
{
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
}

// WCAG's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// Whether a widget shows text, and so must show it readably.
bool showsText(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    if (auto *frame = qobject_cast<const QGroupBox *>(w))
        return !frame->title().isEmpty();
    return w->inherits("QLineEdit") || w->inherits("QComboBox") || w->inherits("QMenuBar")
           || w->objectName() == QLatin1String("qt_scrollarea_viewport");
}

// Each text whose colour has less than WCAG's 4.5:1 against what it stands
// on: the widget's own background where it paints one (a filled label, a
// button, a text box, a menu bar), else its parent's.
QStringList unreadableTexts(const QWidget *window)
{
    QStringList found;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !showsText(w))
            continue;
        const QPalette::ColorGroup group = w->palette().currentColorGroup();
        // A menu bar draws its items in the buttons' colour.
        const QColor text = w->palette().color(
            group, w->inherits("QMenuBar") ? QPalette::ButtonText : w->foregroundRole());
        const QWidget *under = w;
        while (!under->isWindow() && !under->autoFillBackground()
               && under->backgroundRole() == QPalette::Window && !under->inherits("QMenuBar"))
            under = under->parentWidget();
        const QColor background = under->palette().color(group, under->backgroundRole());
        // The game's winnings label is kept invisible by design.
        if (text.alpha() != 0 && contrast(text, background) < 4.5)
            found << QStringLiteral("%1 %2 on %3").arg(w->objectName(), text.name(), background.name());
    }
    return found;
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
// what a screen reader hears of it, in place of per-screen numbers; in English
// and in every translation, and in a language that marks every text it
// translates, so that a text left out of the catalogue shows.
class TestScreenLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QTranslator *language : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(language);
            delete language;
        }
        QCOMPARE(TestProgram::windowsLeft(), QStringList());
    }

    void everyScreenIsTidy_data()
    {
        // English, each translation, and the marking language.
        addScreens(QStringList{"en"} + Language::available() + QStringList{"marked"});
    }

    void everyScreenIsTidy()
    {
        QFETCH(QString, language);
        QFETCH(Opener, open);
        if (language == QLatin1String("marked"))
            QCoreApplication::installTranslator(new MarkingTranslator);
        else if (language != QLatin1String("en"))
            QVERIFY(Language::install(*qApp, language));
        GameDriver game;
        game.program.state.set.name = QStringLiteral("General Knowledge.dat");
        QWidget *window = open(game);
        window->show();
        if (language == QLatin1String("en")) {
            QFETCH(QStringList, heard);
            for (const QString &text : heard)
                QVERIFY2(heardOnOpening(window).contains(text), qPrintable(heardOnOpening(window)));
        }
        if (language == QLatin1String("marked")) {
            checkMarked(window);
        } else {
            // Each opens in the middle of the screen.
            const QPoint off = window->frameGeometry().center() - window->screen()->availableGeometry().center();
            QVERIFY2(off.manhattanLength() <= 2, qPrintable(QString("%1, %2 off centre").arg(off.x()).arg(off.y())));
            checkLayout(window);
            checkSpoken(window);
            checkZoomed(window);
        }
        if (window != game.form.get())
            delete window;
    }

    // A 1280x1024 screen at twice the scale, the one in use: every screen
    // opens whole on it, tidy, and zooming in keeps it there.
    void everyScreenFitsASmallScreen_data()
    {
        addScreens({QStringLiteral("en")});
    }

    void everyScreenFitsASmallScreen()
    {
        QFETCH(Opener, open);
        QScreen *small = QGuiApplication::screens().value(1);
        QVERIFY(small && small->availableGeometry().size() == QSize(640, 512));
        QWidget inUse;
        inUse.move(small->geometry().topLeft());
        inUse.show();
        inUse.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&inUse));
        GameDriver game;
        game.program.state.set.name = QStringLiteral("General Knowledge.dat");
        QWidget *window = open(game);
        const auto drop = qScopeGuard([&] { if (window != game.form.get()) delete window; });
        window->show();
        for (int press = 0; press < 2; ++press) {
            QVERIFY2(small->availableGeometry().contains(window->frameGeometry()),
                     qPrintable(QString("at %1").arg(Zoom::of(window)->factor())));
            checkLayout(window);
            Zoom::of(window)->zoomTo(Zoom::of(window)->factor() + Zoom::STEP);
            QCoreApplication::sendPostedEvents(); // layouts settle
        }
    }

private:
    static void addScreens(const QStringList &languages)
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QStringList>("heard"); // in English, as it opens, among other things
        for (const QString &language : languages)
            addScreensIn(language);
    }

    static void addScreensIn(const QString &language)
    {
        const auto newRow = [&](const char *screen) -> QTestData & {
            return QTest::newRow(qPrintable(language + u' ' + QLatin1String(screen))) << language;
        };
        newRow("start screen") << Opener([](GameDriver &g) { return new StartScreen(g.program.state, g.program.services); })
                               << QStringList();
        newRow("main window") << Opener([](GameDriver &g) { return new MainWindow(g.program.state, g.program.services); })
                              << QStringList();
        newRow("game") << Opener([](GameDriver &g) -> QWidget * { return g.start(); }) << QStringList();
        newRow("poll chart") << Opener([](GameDriver &) { return new PollChart({100, 0, 0, 0}); })
                             << QStringList{"A: 100%, B: 0%, C: 0%, D: 0%"};
        newRow("certificate") << Opener([](GameDriver &g) {
            // A long name, so that texts filled in at run time are measured too.
            return new CertificateWindow({"Bartholomew Montgomery-Smythe", "£1000000", 3, g.program.state.set.name},
                                         g.program.services);
        }) << QStringList{"BARTHOLOMEW MONTGOMERY-SMYTHE won £1000000", "GENERAL KNOWLEDGE"};
        newRow("manager") << Opener([](GameDriver &g) -> QWidget * {
            return ManagerHelpers::openManager(g.program, {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "Q")});
        }) << QStringList{"1 question"};
        newRow("manager, finding in the largest set") << Opener([](GameDriver &g) {
            QList<QuestionRecord> all; // no header: every record counts, the widest count
            for (int i = 0; i < SetFile::MAX_RECORDS; ++i)
                all << makeQuestion(1 + i % 15, 1 + i % 8998, "Q");
            QWidget *form = ManagerHelpers::openManager(g.program, all);
            form->findChild<QAction *>("find")->trigger();
            control<QLineEdit>(form, "txt_find")->setText("answer");
            QTest::qCompare(control<QLabel>(form, "lbl_found")->text(),
                            QCoreApplication::translate("QuestionManager", "%1 of %2").arg(32767).arg(32767),
                            "count", "widest", __FILE__, __LINE__);
            return form;
        }) << QStringList{"Find, 32767 of 32767"};
        newRow("about") << Opener([](GameDriver &) { return new AboutScreen; }) << QStringList();
    }
    // Under a light and a dark theme every text reads on what it stands on,
    // whether the screen fixes its colours or follows the theme's.
    void everyTextReads_data() { everyScreenIsTidy_data(); }

    void everyTextReads()
    {
        QFETCH(Opener, open);
        const QPalette before = QApplication::palette();
        for (const QPalette &theme : {QApplication::style()->standardPalette(), darkPalette()}) {
            QApplication::setPalette(theme);
            GameDriver game;
            game.program.state.set.name = QStringLiteral("General Knowledge.dat");
            QWidget *window = open(game);
            window->show();
            const QStringList unreadable = unreadableTexts(window);
            if (window != game.form.get())
                delete window;
            QApplication::setPalette(before);
            QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(u", ")));
        }
    }
};

QTEST_MAIN(TestScreenLayout)
#include "tst_screenlayout.moc"
