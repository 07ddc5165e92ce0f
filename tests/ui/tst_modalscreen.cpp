#include "modalwatch.h"
#include "testprogram.h"
#include "ui/modalscreen.h"
#include "ui/qtdialogservice.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
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
        // One box opening as another closes: the window below must not be
        // activated in between, or a screen reader may hear the second box's
        // button without its text.
        QTest::newRow("message box after another") << "two messages";
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
        QList<QWindow *> activated;
        connect(qApp, &QGuiApplication::focusWindowChanged, &window,
                [&activated](QWindow *focused) { activated << focused; });

        const auto closeIt = [](QWidget *modal) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            // A reader that hears only the focused button still hears the text.
            auto *box = qobject_cast<QMessageBox *>(modal);
            const QString heard = box ? QApplication::focusWidget()->accessibleDescription() : QString();
            modal->close();
            if (box)
                QCOMPARE(heard, box->text());
        };
        ModalWatch watch(closeIt);
        QtDialogService dialogs;
        if (screen == QLatin1String("two messages")) {
            dialogs.message(&window, QStringLiteral("First"), QStringLiteral("Title"));
            ModalWatch next(closeIt);
            dialogs.message(&window, QStringLiteral("Second"), QStringLiteral("Title"));
            QVERIFY(next.ran());
        } else if (screen == QLatin1String("message"))
            dialogs.message(&window, QStringLiteral("Text"), QStringLiteral("Title"));
        else if (screen == QLatin1String("prompt"))
            dialogs.prompt(&window, QStringLiteral("Text"), QStringLiteral("Title"));
        else
            QVERIFY(ModalScreen(new QDialog(&window)).run());
        QVERIFY(watch.ran());
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(QApplication::focusWidget(), second);
        QCOMPARE(activated.count(window.windowHandle()), 1);
    }
};

QTEST_MAIN(TestModalScreen)
#include "tst_modalscreen.moc"
