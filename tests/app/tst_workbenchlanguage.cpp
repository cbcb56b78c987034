// The workbench's --lang option: the command line takes the languages the dialogs are
// translated into and English, refuses any other, and the workbench then shows its dialogs
// in the language asked for.

#include "CommandLineParser.h"
#include "support/WorkbenchProcess.h"

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using kestrix::testing::WorkbenchProcess;
using kestrix::workbench::CommandLineParser;
using Run = WorkbenchProcess::Result;

class TestWorkbenchLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aTranslatedLanguageIsTaken();
    void englishIsTheTextsAsWritten();
    void badLanguagesAreRefused_data();
    void badLanguagesAreRefused();
    void helpNamesTheOption();
    void anUnknownLanguageEndsTheWorkbenchAsBadInput();
    void theDialogsShowTheLanguageAskedFor();

private:
    QImage dialogsPicture(const QString& name, const QStringList& languageArguments) const;

    QTemporaryDir m_directory;
};

void TestWorkbenchLanguage::initTestCase()
{
    const QString executable = WorkbenchProcess::executable();
    QVERIFY2(QFileInfo(executable).isExecutable(), qPrintable(executable + QStringLiteral(" is not built")));
    QVERIFY(m_directory.isValid());
}

// The print dialog alone, opened on the demo scene.
QImage TestWorkbenchLanguage::dialogsPicture(const QString& name, const QStringList& languageArguments) const
{
    const QString path = m_directory.filePath(name);
    const Run result = WorkbenchProcess::run(
        QStringList{"--offscreen", "--open", "print", "--screenshot", path, "--screenshot-of", "dialogs"}
        + languageArguments);
    if (!result.finished || result.exitCode != 0)
        qWarning("the workbench failed: %s", qPrintable(result.errors));
    return QImage(path);
}

void TestWorkbenchLanguage::aTranslatedLanguageIsTaken()
{
    CommandLineParser parser;
    QVERIFY2(parser.parse({"kxworkbench", "--lang", "de"}), qPrintable(parser.errorText()));
    QCOMPARE(parser.options().language, QStringLiteral("de"));
    QVERIFY(parser.parse({"kxworkbench", "--lang=de", "--offscreen"}));
    QCOMPARE(parser.options().language, QStringLiteral("de"));
}

void TestWorkbenchLanguage::englishIsTheTextsAsWritten()
{
    CommandLineParser parser;
    QVERIFY(parser.parse({"kxworkbench"}));
    QVERIFY(parser.options().language.isEmpty());
    QVERIFY2(parser.parse({"kxworkbench", "--lang", "en"}), qPrintable(parser.errorText()));
    QVERIFY(parser.options().language.isEmpty());
}

void TestWorkbenchLanguage::badLanguagesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedMessage");

    QTest::newRow("no translation") << QStringList{"--lang", "xx"} << QStringLiteral("Unknown language 'xx'");
    QTest::newRow("a region of a translated language")
        << QStringList{"--lang", "de_AT"} << QStringLiteral("Unknown language 'de_AT'");
    QTest::newRow("upper case") << QStringList{"--lang", "DE"} << QStringLiteral("Unknown language 'DE'");
    QTest::newRow("empty") << QStringList{"--lang="} << QStringLiteral("--lang needs a non-empty value");
    QTest::newRow("no value") << QStringList{"--lang"} << QStringLiteral("lang");
    QTest::newRow("twice") << QStringList{"--lang", "de", "--lang", "en"}
                           << QStringLiteral("--lang is given more than once");
}

void TestWorkbenchLanguage::badLanguagesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedMessage);

    CommandLineParser parser;
    QVERIFY(!parser.parse(QStringList{"kxworkbench"} + arguments));
    QVERIFY2(parser.errorText().contains(expectedMessage), qPrintable(parser.errorText()));
}

void TestWorkbenchLanguage::helpNamesTheOption()
{
    const QString usage = CommandLineParser::usage(QStringLiteral("kxworkbench"));
    QVERIFY2(usage.contains(QLatin1String("--lang LANG")), qPrintable(usage));
    QVERIFY2(usage.contains(QLatin1String("one of: en, de")), qPrintable(usage));
}

void TestWorkbenchLanguage::anUnknownLanguageEndsTheWorkbenchAsBadInput()
{
    const Run result = WorkbenchProcess::run({"--offscreen", "--lang", "xx"});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(QLatin1String("Unknown language 'xx' for --lang; available: en, de.")),
             qPrintable(result.errors));
}

// The same dialog drawn twice in English is the same picture: the German one differs from it
// by its texts alone.
void TestWorkbenchLanguage::theDialogsShowTheLanguageAskedFor()
{
    const QImage english = dialogsPicture(QStringLiteral("english.png"), {});
    const QImage englishAgain = dialogsPicture(QStringLiteral("english-again.png"), {"--lang", "en"});
    const QImage german = dialogsPicture(QStringLiteral("german.png"), {"--lang", "de"});
    QVERIFY(!english.isNull());
    QVERIFY(!german.isNull());
    QCOMPARE(englishAgain, english);
    QVERIFY(german != english);
}

QTEST_GUILESS_MAIN(TestWorkbenchLanguage)
#include "tst_workbenchlanguage.moc"
