#include "modalwatch.h"
#include "testprogram.h"
#include "ui/aboutscreen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestAboutScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void layoutColoursAndTexts();
    void reopenedShowsSameTextFromTop();
};

void TestAboutScreen::layoutColoursAndTexts()
{
    TestProgram program;
    AboutScreen form(program.state, program.services);
    QCOMPARE(form.windowTitle(), QStringLiteral("About Game"));
    QCOMPARE(form.size(), QSize(376, 399)); // 5640 x 5985 twips
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));

    struct Expected
    {
        QWidget *widget;
        QRect rect;
    };
    const QList<Expected> places = {
        {form.Label1, QRect(8, 8, 361, 25)},     {form.Label2, QRect(8, 40, 361, 17)},
        {form.Text2, QRect(8, 64, 361, 273)},    {form.Label3, QRect(8, 344, 361, 17)},
        {form.Command1, QRect(256, 368, 113, 25)},
    };
    for (const Expected &e : places)
        QCOMPARE(e.widget->geometry(), e.rect);

    QCOMPARE(form.Label1->text(), QStringLiteral("About Game"));
    QCOMPARE(form.Label1->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(form.Label2->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(form.Label3->text(),
             QStringLiteral("Troubleshooting and FAQ coming in next update"));
    QCOMPARE(form.Command1->text(), QStringLiteral("Back"));
    for (QLabel *label : {form.Label1, form.Label2, form.Label3}) {
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(128, 128, 255));
        QVERIFY(label->autoFillBackground());
    }
    QCOMPARE(form.Label1->font().pointSizeF(), 13.5);
    QCOMPARE(form.Label2->font().pointSizeF(), 8.25);

    const QString legal = form.Text2->toPlainText();
    int at = 0;
    for (const char *heading : {"DISCLAIMER", "LEGAL INFORMATION", "CONTACT"}) {
        const int found = legal.indexOf(QLatin1String(heading), at);
        QVERIFY2(found >= at, heading);
        at = found;
    }
    QVERIFY(legal.contains(QStringLiteral("www.quorvane.example")));
    QVERIFY(legal.contains(QStringLiteral("feedback@quorvane.example")));
    QVERIFY(legal.contains(QStringLiteral("\n\n")));
    QVERIFY(form.Text2->isReadOnly());
    QCOMPARE(form.Text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestAboutScreen::reopenedShowsSameTextFromTop()
{
    TestProgram program;
    QWidget owner;
    owner.show();

    QStringList texts;
    QList<int> scrolledTo;
    int scrollRange = 0;
    auto readAndLeave = [&](QWidget *modal, bool scrollDown, bool byButton) {
        auto *about = qobject_cast<AboutScreen *>(modal);
        if (!about) {
            modal->close();
            return;
        }
        texts << about->Text2->toPlainText();
        QScrollBar *bar = about->Text2->verticalScrollBar();
        scrolledTo << bar->value();
        scrollRange = std::max(scrollRange, bar->maximum());
        if (scrollDown)
            bar->setValue(bar->maximum());
        if (byButton)
            about->Command1->click();
        else
            about->close();
    };

    {
        ModalWatch watch([&](QWidget *m) { readAndLeave(m, true, true); });
        AboutScreen::showModal(program.state, program.services, &owner);
        QVERIFY(watch.ran());
    }
    {
        ModalWatch watch([&](QWidget *m) { readAndLeave(m, false, false); });
        AboutScreen::showModal(program.state, program.services, &owner);
        QVERIFY(watch.ran());
    }
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[1], texts[0]);
    QVERIFY(scrollRange > 0); // the text is long enough to be scrolled away from its top
    QCOMPARE(scrolledTo, QList<int>({0, 0}));
    QVERIFY(!owner.findChild<AboutScreen *>()); // nothing survives the closing
}

QTEST_MAIN(TestAboutScreen)
#include "tst_aboutscreen.moc"
