#include "app/mainwindow.h"
#include "app/navigator.h"
#include "managerhelpers.h"
#include "modalwatch.h"
#include "testprogram.h"
#include "ui/aboutscreen.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using namespace ManagerHelpers;

class TestAboutScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    // "About Game" shows a fresh screen each time: one read to its end and left
    // by Back is not what the next visit finds.
    void reopenedShowsTheTextFromTop()
    {
        TestProgram program;
        program.state.set.name = QStringLiteral("q.dat");
        QWidget *main = Navigator::openMainWindow(program.state, program.services);
        QList<int> scrolledTo;
        int scrollRange = 0;
        for (const char *leaveBy : {"Command1", ""}) {
            ModalWatch watch([&](QWidget *modal) {
                auto *legal = control<QPlainTextEdit>(modal, QStringLiteral("Text2"));
                QScrollBar *bar = legal->verticalScrollBar();
                scrolledTo << bar->value();
                scrollRange = std::max(scrollRange, bar->maximum());
                bar->setValue(bar->maximum());
                *leaveBy ? click(modal, QLatin1String(leaveBy)) : void(modal->close());
            });
            click(main, QStringLiteral("cmd_about"));
            QVERIFY(watch.ran());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!main->findChild<AboutScreen *>()); // nothing survives the closing
        }
        QVERIFY(scrollRange > 0); // the text is long enough to be scrolled away from its top
        QCOMPARE(scrolledTo, QList<int>({0, 0}));
    }
};

QTEST_MAIN(TestAboutScreen)
#include "tst_aboutscreen.moc"
