// The translation files against the library's sources: lupdate, run over the sources as the
// update_translations target runs it, finds exactly the texts each .ts file holds, and every
// text is translated keeping its accelerators, placeholders and line breaks.

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString translationType;

    // What identifies a text to Qt's translator.
    QString key() const { return context + QLatin1String(" | ") + source + QLatin1String(" | ") + comment; }
};

struct TranslationFile {
    std::vector<Message> messages;
};

bool read(const QString& path, TranslationFile* file, QString* error)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        *error = input.errorString();
        return false;
    }
    QXmlStreamReader xml(&input);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.translationType = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            file->messages.push_back(message);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return false;
    }
    return true;
}

QSet<QString> keysOf(const TranslationFile& file)
{
    QSet<QString> keys;
    for (const Message& message : file.messages)
        keys.insert(message.key());
    return keys;
}

QStringList sorted(const QSet<QString>& keys)
{
    QStringList list(keys.begin(), keys.end());
    list.sort();
    return list;
}

// The accelerator markers (a single & before a character), the placeholders and the number of
// lines: what a translation must keep of its source for the dialog to work as in English.
QString shapeOf(const QString& text)
{
    static const QRegularExpression accelerator(QStringLiteral("&(?!&)\\S"));
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList placeholders;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        placeholders << match.captured();
    placeholders.sort();
    return QStringLiteral("%1 accelerator(s), placeholders {%2}, %3 line(s)")
        .arg(text.count(accelerator))
        .arg(placeholders.join(QLatin1Char(',')))
        .arg(text.count(QLatin1Char('\n')) + 1);
}

} // namespace

class TestTranslationFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextOfTheSourcesAndNoOtherIsInTheFile_data();
    void everyTextOfTheSourcesAndNoOtherIsInTheFile();
    void everyTextIsTranslatedKeepingItsShape_data();
    void everyTextIsTranslatedKeepingItsShape();

private:
    void addTranslationFileRows();

    QString m_projectDirectory;
    QStringList m_translationFiles;
    QTemporaryDir m_scratch;
};

void TestTranslationFiles::initTestCase()
{
    const QString translations = QFINDTESTDATA("../../dialogs/translations");
    QVERIFY2(!translations.isEmpty(), "the dialogs/translations folder of the sources is not found");
    m_projectDirectory = QDir::cleanPath(translations + QLatin1String("/../.."));
    for (const QString& name : QDir(translations).entryList({QStringLiteral("kxsdkdialogs_*.ts")}, QDir::Files))
        m_translationFiles << QDir(translations).filePath(name);
    QVERIFY2(!m_translationFiles.isEmpty(), qPrintable(translations));
    QVERIFY(m_scratch.isValid());
}

void TestTranslationFiles::addTranslationFileRows()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : m_translationFiles)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestTranslationFiles::everyTextOfTheSourcesAndNoOtherIsInTheFile_data()
{
    addTranslationFileRows();
}

void TestTranslationFiles::everyTextOfTheSourcesAndNoOtherIsInTheFile()
{
    QFETCH(QString, path);

    const QString extracted = m_scratch.filePath(QFileInfo(path).fileName());
    QFile::remove(extracted);
    const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QLatin1String("/lupdate");
    QVERIFY2(QFileInfo(lupdate).isExecutable(), qPrintable(lupdate + QLatin1String(" is missing")));
    const QDir project(m_projectDirectory);
    QProcess process;
    process.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral("-no-obsolete"), QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
                            QStringLiteral("-I"), project.path(), QStringLiteral("-I"), project.filePath("host"),
                            project.filePath("dialogs"), project.filePath("propertybindings"),
                            project.filePath("propertymanager"), QStringLiteral("-ts"), extracted});
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             process.readAllStandardError().constData());

    TranslationFile fromSources;
    TranslationFile shipped;
    QString error;
    QVERIFY2(read(extracted, &fromSources, &error), qPrintable(error));
    QVERIFY2(read(path, &shipped, &error), qPrintable(error));
    QVERIFY(!fromSources.messages.empty());

    const QSet<QString> sourceKeys = keysOf(fromSources);
    const QSet<QString> shippedKeys = keysOf(shipped);
    QVERIFY2(shippedKeys.size() == int(shipped.messages.size()), "the file holds a text twice");
    const QStringList missing = sorted(sourceKeys - shippedKeys);
    const QStringList stale = sorted(shippedKeys - sourceKeys);
    QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String("texts of the sources that the file lacks (build the "
                                                         "update_translations target):\n")
                                           + missing.join(QLatin1Char('\n'))));
    QVERIFY2(stale.isEmpty(), qPrintable(QLatin1String("texts of the file that the sources no longer have:\n")
                                         + stale.join(QLatin1Char('\n'))));
}

void TestTranslationFiles::everyTextIsTranslatedKeepingItsShape_data()
{
    addTranslationFileRows();
}

void TestTranslationFiles::everyTextIsTranslatedKeepingItsShape()
{
    QFETCH(QString, path);

    TranslationFile file;
    QString error;
    QVERIFY2(read(path, &file, &error), qPrintable(error));
    QStringList problems;
    for (const Message& message : file.messages) {
        if (!message.translationType.isEmpty())
            problems << message.key() + QLatin1String(": ") + message.translationType;
        else if (message.translation.isEmpty())
            problems << message.key() + QLatin1String(": no translation");
        else if (shapeOf(message.translation) != shapeOf(message.source))
            problems << message.key() + QLatin1String(": the source has ") + shapeOf(message.source)
                            + QLatin1String(", the translation ") + shapeOf(message.translation);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
