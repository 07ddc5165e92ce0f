#include "modalwatch.h"
#include "testprogram.h"
#include "ui/modalscreen.h"
#include "ui/qtdialogservice.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// Modal screens and the window below them.
class TestModalScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    // As a modal screen or message box closes, the window system may leave
    // no window active; the window below gets the activation and its
    // focused control back, whatever kind of screen it was.
    void windowBelowIsActiveAgain_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("message box") << "message";
        QTest::newRow("prompt") << "prompt";
        QTest::newRow("modal screen") << "screen";
    }

    void windowBelowIsActiveAgain()
    {
        QFETCH(QString, screen);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QPushButton(QStringLiteral("First")));
        auto *second = new QPushButton(QStringLiteral("Second"));
        layout->addWidget(second);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        second->setFocus();

        ModalWatch watch([](QWidget *modal) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            modal->close();
        });
        QtDialogService dialogs;
        if (screen == QLatin1String("message"))
            dialogs.message(&window, QStringLiteral("Text"), QStringLiteral("Title"));
        else if (screen == QLatin1String("prompt"))
            dialogs.prompt(&window, QStringLiteral("Text"), QStringLiteral("Title"));
        else
            QVERIFY(ModalScreen(new QDialog(&window)).run());
        QVERIFY(watch.ran());
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(QApplication::focusWidget(), second);
    }
};

QTEST_MAIN(TestModalScreen)
#include "tst_modalscreen.moc"
