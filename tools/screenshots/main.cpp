// Plays one scripted session through every screen over a copy of the bundled
// question set and saves a picture of each screen as a PNG:
//
//   quorvane-screenshots [--suffix -dark] [--dark] [--language fr] <set file> <output folder>
//
// With a language ("fr", "de"), only the start screen and the game are
// pictured, in that language.
//
// --suffix goes after each picture's name (a set of pictures at another scale
// or under another theme beside the usual ones); --dark paints the screens
// with a dark Fusion palette, for a desktop without a dark platform theme.
// The player, her answers, the question draw and the poll are scripted, so
// every run shows the same questions and the same chart.

#include "darkpalette.h"
#include "app/mainwindow.h"
#include "app/navigator.h"
#include "app/startscreen.h"
#include "fakesound.h"
#include "game/crossmark.h"
#include "game/gamerules.h"
#include "game/gamescreen.h"
#include "game/certificatewindow.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "modalwatch.h"
#include "recordingprinter.h"
#include "scriptedrandom.h"
#include "testprogram.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>

namespace {

const QString PLAYER = QStringLiteral("Ann Smith");

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Lets the window reach its final size and paint before it is grabbed.
void settle(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window, 2000))
        err() << "window " << window->objectName() << " was never exposed" << Qt::endl;
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

class Session
{
public:
    Session(const QString &setFile, const QString &outDir, const QString &suffix, const QString &language)
        : m_setFile(setFile)
        , m_outDir(outDir)
        , m_suffix(suffix)
        , m_language(language)
    {
        m_program.services.sound = &m_sound;
        m_program.services.random = &m_random;
        m_program.services.printer = &m_printer;
    }

    bool run()
    {
        if (!QDir().mkpath(m_outDir)) {
            err() << "cannot create " << m_outDir << Qt::endl;
            return false;
        }
        const QString copy = m_program.questionsDir() + QLatin1Char('/') +
                             QFileInfo(m_setFile).fileName();
        if (!QFile::copy(m_setFile, copy)) {
            err() << "cannot copy " << m_setFile << Qt::endl;
            return false;
        }
        MainWindow *main = startScreen();
        if (!main) {
            err() << "the start screen did not open the main window" << Qt::endl;
            return false;
        }
        save(main, "main-window");
        about(main);
        game(main);
        manager(main);
        m_ok = m_ok && m_program.dialogs.queuesEmpty() && m_random.values.isEmpty();
        if (!m_program.dialogs.queuesEmpty() || !m_random.values.isEmpty())
            err() << "the script did not run as planned" << Qt::endl;
        return m_ok;
    }

private:
    void save(QWidget *window, const char *name)
    {
        if (!m_language.isEmpty() && qstrcmp(name, "start-screen") != 0 && qstrcmp(name, "game") != 0)
            return;
        settle(window);
        const QString path = m_outDir + QLatin1Char('/') + QLatin1String(name) + m_suffix +
                             QStringLiteral(".png");
        if (!window->grab().save(path)) {
            err() << "cannot write " << path << Qt::endl;
            m_ok = false;
            return;
        }
        err() << "wrote " << path << Qt::endl;
    }

    // The start screen with the bundled set picked; Continue opens the set.
    MainWindow *startScreen()
    {
        QPointer<StartScreen> start =
            Navigator::openStartScreen(m_program.state, m_program.services);
        control<QListWidget>(start, QStringLiteral("File1"))->setCurrentRow(0);
        save(start, "start-screen");
        ManagerHelpers::click(start, QStringLiteral("Command1"));
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *main = qobject_cast<MainWindow *>(w); main && main->isVisible())
                return main;
        }
        return nullptr;
    }

    void about(MainWindow *main)
    {
        ModalWatch watch([this](QWidget *about) {
            save(about, "about");
            about->close();
        });
        ManagerHelpers::click(main, QStringLiteral("cmd_about"));
        if (!watch.ran()) {
            err() << "the About screen did not open" << Qt::endl;
            m_ok = false;
        }
    }

    // Climbs to £2000, asks the audience at the seventh question, then goes on
    // to £64000 and takes the money.
    void game(MainWindow *main)
    {
        m_program.dialogs.answerText(PLAYER);
        // The question of each round, as a fraction of that round's list.
        const double draws[] = {0.10, 0.55, 0.30, 0.70, 0.45, 0.20, 0.62,
                                0.85, 0.05, 0.50, 0.35, 0.0};
        m_random.push(draws[0]);
        auto *form = new GameScreen(m_program.state.folders, m_program.state.set,
                                    m_program.services, main);
        form->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<GameScreen> guard(form);
        settle(form);

        auto climbTo = [&](int level) {
            while (guard && form->game().level() < level) {
                m_program.dialogs.answerYes();
                m_random.push(draws[form->game().level() + 1]);
                QTest::mouseClick(
                    form->findChild<QLabel *>(QStringLiteral("lbl_") + form->game().rightLetter()),
                    Qt::LeftButton);
            }
        };
        climbTo(6);
        if (!guard) {
            err() << "the game ended before the seventh question" << Qt::endl;
            m_ok = false;
            return;
        }

        // Sixty-two friends for the right answer and the rest spread over
        // the other three; 5 and 6 on the die vote for the right answer.
        const int right = QStringLiteral("abcd").indexOf(form->game().rightLetter());
        const int wrongVotes[] = {13, 12, 13};
        int w = 0;
        for (int letter = 0; letter < 4; ++letter) {
            if (letter == right)
                continue;
            for (int i = 0; i < wrongVotes[w]; ++i)
                m_random.pushPick(letter + 1, GameRules::pollSides(form->game().level()));
            ++w;
        }
        for (int i = 0; i < 62; ++i)
            m_random.pushPick(5, GameRules::pollSides(form->game().level()));
        {
            ModalWatch watch([this](QWidget *chart) {
                save(chart, "poll-chart");
                chart->close();
            });
            form->findChild<QAbstractButton *>(QStringLiteral("life_ask"))->click();
            if (!watch.ran()) {
                err() << "the poll chart did not open" << Qt::endl;
                m_ok = false;
            }
        }
        // The same moment zoomed to twice the size, as on a large monitor,
        // in the usual set only: it stands for the game of the -2x set too.
        if (m_suffix.isEmpty()) {
            save(form, "game");
            Zoom::of(form)->zoomTo(2.0);
            save(form, "game-2x");
            Zoom::of(form)->zoomTo(1.0);
        } else if (m_suffix != QLatin1String("-2x")) {
            save(form, "game");
        }

        climbTo(11);
        if (!guard) {
            err() << "the game ended before £64000" << Qt::endl;
            m_ok = false;
            return;
        }
        m_program.dialogs.answerYes();
        ModalWatch watch([this](QWidget *certificate) {
            save(certificate, "certificate");
            certificate->close();
        });
        form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        if (!watch.ran()) {
            err() << "the certificate did not open" << Qt::endl;
            m_ok = false;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (guard) {
            err() << "the game screen stayed open" << Qt::endl;
            m_ok = false;
            delete guard;
        }
    }

    // The manager with a question of the seventh round picked for editing.
    void manager(MainWindow *main)
    {
        auto *form = new QuestionManager(m_program.state.set.path, m_program.services, main);
        form->setAttribute(Qt::WA_DeleteOnClose);
        settle(form);
        // The seventh round's fourth question, the one of the game picture,
        // in the middle of the list.
        const int row = 34;
        auto *list = control<QTreeView>(form, QStringLiteral("ListView1"));
        list->scrollTo(list->model()->index(row, 1), QAbstractItemView::PositionAtCenter);
        ManagerHelpers::pickRow(form, row);
        save(form, "question-manager");

        // Then found by a word and sorted by question, one of them picked.
        form->findChild<QAction *>(QStringLiteral("find"))->trigger();
        QTest::keyClicks(control<QLineEdit>(form, QStringLiteral("txt_find")), QStringLiteral("capital"));
        QHeaderView *header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        ManagerHelpers::pickRow(form, 1);
        save(form, "question-manager-find");
        form->close();
    }

    QString m_setFile;
    QString m_outDir;
    QString m_suffix;
    QString m_language; // empty: English
    TestProgram m_program;
    FakeSoundService m_sound;
    ScriptedRandom m_random;
    RecordingPrinter m_printer;
    bool m_ok = true;
};


} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setWindowIcon(WindowIcon::icon());
    QCommandLineParser args;
    const QCommandLineOption suffix(QStringLiteral("suffix"), QStringLiteral("After each name."),
                                    QStringLiteral("text"));
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("A dark palette."));
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("A translation."),
                                      QStringLiteral("code"));
    args.addOptions({suffix, dark, language});
    args.addPositionalArgument(QStringLiteral("set"), QStringLiteral("The set file."));
    args.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The output folder."));
    args.process(app);
    if (args.positionalArguments().size() != 2) {
        err() << "usage: quorvane-screenshots [--suffix text] [--dark] [--language code] <set file> <output folder>"
              << Qt::endl;
        return 2;
    }
    if (args.isSet(language) && !Language::install(app, args.value(language))) {
        err() << "no translation for " << args.value(language) << Qt::endl;
        return 2;
    }
    if (args.isSet(dark)) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    // The screens are laid out for Liberation Sans and Serif; pictures in a
    // stand-in font would show clipping a user never sees.
    for (const QFont &font : {Fonts::sans(9), Fonts::serif(9)}) {
        if (!QFontInfo(font).family().startsWith(QLatin1String("Liberation"))) {
            err() << "Liberation fonts missing (fonts-liberation2); found "
                  << QFontInfo(font).family() << Qt::endl;
            return 1;
        }
    }
    bool ok = false;
    {
        Session session(args.positionalArguments().at(0), args.positionalArguments().at(1),
                        args.value(suffix), args.value(language));
        ok = session.run();
    }
    return ok ? 0 : 1;
}
