#include "ui/language.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Placeholders and mnemonics, which a translation keeps: "%1", "&".
QStringList marks(const QString &text)
{
    QStringList found;
    for (const auto &m : QRegularExpression(QStringLiteral("%\\d|&(?!&)")).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // Each catalogue, brought up to date with the sources as lupdate does it,
    // has every text translated, none left over from texts gone, and keeps
    // each text's placeholders and mnemonic.
    void catalogueIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        const QStringList built = Language::available();
        QCOMPARE(built, QStringList({"de", "es", "fr"}));
        for (const QString &language : built)
            QTest::newRow(qPrintable(language)) << language;
    }

    void catalogueIsComplete()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("quorvane_%1.ts").arg(language));
        QVERIFY(QFile::copy(QStringLiteral(QUORVANE_SOURCE_DIR "/translations/quorvane_%1.ts").arg(language), ts));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUORVANE_LUPDATE),
                      {"-silent", "-locations", "none", QStringLiteral(QUORVANE_SOURCE_DIR "/src"), "-ts", ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int count = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString state = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText();
                QVERIFY2(state.isEmpty() && !text.isEmpty(), qPrintable(state + ": " + source));
                QVERIFY2(marks(text) == marks(source), qPrintable(source + " -> " + text));
                ++count;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(count > 200);
    }

    // English is what the sources say and ends the search; the first of the
    // desktop's languages with a translation wins; --language overrides.
    void languageFollowsDesktop_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("shown");
        QTest::newRow("desktop in German") << QString() << QStringList{"de-AT", "de", "en"} << "de";
        QTest::newRow("English before French") << QString() << QStringList{"en-GB", "fr"} << "";
        QTest::newRow("untranslated skipped") << QString() << QStringList{"pt-BR", "es_ES"} << "es";
        QTest::newRow("nothing translated") << QString() << QStringList{"ja", "C"} << "";
        QTest::newRow("asked for Spanish") << "es" << QStringList{"fr"} << "es";
        QTest::newRow("asked for English") << "en" << QStringList{"de"} << "";
        QTest::newRow("asked for the unknown") << "xx" << QStringList{"de"} << "";
    }

    void languageFollowsDesktop()
    {
        QFETCH(QString, requested);
        QFETCH(QStringList, desktop);
        QFETCH(QString, shown);
        QCOMPARE(Language::pick(requested, desktop), shown);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
