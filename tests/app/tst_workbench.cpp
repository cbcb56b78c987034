// The workbench as its users start it: the executable, its command line, exit statuses and
// the picture it writes.
#include "support/WorkbenchProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using kestrix::testing::WorkbenchProcess;
using Run = WorkbenchProcess::Result;

namespace {

// Distinct colours in a sample of the picture: a blank or single-colour picture has few.
int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    const int step = 3;
    for (int y = 0; y < image.height(); y += step) {
        for (int x = 0; x < image.width(); x += step)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

} // namespace

class TestWorkbench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void helpPrintsTheUsage();
    void badCommandLineIsRefused_data();
    void badCommandLineIsRefused();
    void refusedSceneFileIsReported_data();
    void refusedSceneFileIsReported();
    void screenshotShowsTheDemoScene();
    void openDialogIsComposedBesideTheWindow_data();
    void openDialogIsComposedBesideTheWindow();
    void sceneFileAndGeneratedScenesAreShown_data();
    void sceneFileAndGeneratedScenesAreShown();
    void unwritableScreenshotFails();
    void screenshotsTakeTheFormatTheirNameSays();
    void screenshotOfDrawsThePartAskedFor();
    void exportDrawsAFrameWithoutAWindow();
    void exportWritesTheFormatItsSuffixNames_data();
    void exportWritesTheFormatItsSuffixNames();
    void badExportsExitWithTheReason_data();
    void badExportsExitWithTheReason();
    void withoutADisplayAWindowIsRefusedAndPicturesAreDrawn();

private:
    QString picturePath(const QString& name) const { return m_directory.filePath(name); }

    QTemporaryDir m_directory;
};

void TestWorkbench::initTestCase()
{
    const QString executable = WorkbenchProcess::executable();
    QVERIFY2(QFileInfo(executable).isExecutable(), qPrintable(executable + QStringLiteral(" is not built")));
    QVERIFY(m_directory.isValid());
}

void TestWorkbench::helpPrintsTheUsage()
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Run result = WorkbenchProcess::run({option});
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.output.startsWith(QStringLiteral("Usage: kxworkbench")), qPrintable(result.output));
        for (const char* expected :
             {"--scene FILE", "--generate KIND:N", "--open NAME", "zonestyle", "--offscreen", "--screenshot FILE"})
            QVERIFY2(result.output.contains(QLatin1String(expected)), expected);
    }
}

void TestWorkbench::badCommandLineIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedMessage");

    QTest::newRow("unknown option") << QStringList{"--bogus"} << QStringLiteral("bogus");
    QTest::newRow("missing scene file") << QStringList{"--scene"} << QStringLiteral("--scene");
    QTest::newRow("empty scene file") << QStringList{"--scene="} << QStringLiteral("--scene");
    QTest::newRow("missing dialog name") << QStringList{"--open"} << QStringLiteral("--open");
    QTest::newRow("stray argument") << QStringList{"stray"} << QStringLiteral("stray");
    QTest::newRow("unknown plot kind") << QStringList{"--generate", "surface:10"} << QStringLiteral("surface:10");
    QTest::newRow("no map count") << QStringList{"--generate", "xy:"} << QStringLiteral("xy:");
    QTest::newRow("no kind") << QStringList{"--generate", "100"} << QStringLiteral("100");
    QTest::newRow("zero maps") << QStringList{"--generate", "polar:0"} << QStringLiteral("polar:0");
    QTest::newRow("negative maps") << QStringList{"--generate", "field2d:-5"} << QStringLiteral("field2d:-5");
    QTest::newRow("too many maps") << QStringList{"--generate", "field3d:99999999999"}
                                   << QStringLiteral("field3d:99999999999");
    QTest::newRow("scene and generator") << QStringList{"--scene", "a.json", "--generate", "xy:3"}
                                         << QStringLiteral("--generate");
    QTest::newRow("unknown dialog") << QStringList{"--open", "nosuch"} << QStringLiteral("nosuch");
    QTest::newRow("dialog not available") << QStringList{"--open", "printpreview"} << QStringLiteral("printpreview");
    QTest::newRow("unknown screenshot part") << QStringList{"--screenshot-of", "desktop"} << QStringLiteral("desktop");
    QTest::newRow("option given twice") << QStringList{"--open", "zonestyle", "--open", "zonestyle"}
                                        << QStringLiteral("more than once");
}

void TestWorkbench::badCommandLineIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedMessage);

    // Were the input accepted, the run would still end: with a picture and status 0.
    const QString picture = picturePath(QStringLiteral("refused.png"));
    const Run result = WorkbenchProcess::run(QStringList{"--offscreen", "--screenshot", picture} + arguments);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(expectedMessage), qPrintable(result.errors));
    QVERIFY(!QFile::exists(picture));
}

void TestWorkbench::refusedSceneFileIsReported_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("missing file") << QStringLiteral("missing.json") << QByteArray();
    QTest::newRow("not JSON") << QStringLiteral("broken.json") << QByteArray("{ \"pages\": [ ");
    QTest::newRow("unknown key") << QStringLiteral("unknown-key.json") << QByteArray("{ \"pagez\": [] }");
    QTest::newRow("zone out of range")
        << QStringLiteral("zone-range.json")
        << QByteArray(
               "{ \"pages\": [ { \"frames\": [ { \"name\": \"F\", \"plotType\": 3, \"variables\": [\"X\", \"Y\"],"
               " \"zones\": [ { \"name\": \"z\", \"ordered\": true, \"imax\": 4, \"jmax\": 1, \"kmax\": 1 } ],"
               " \"lineMaps\": [ { \"name\": \"m\", \"zone\": 7, \"x\": 1, \"y\": 2 } ] } ] } ] }");
}

void TestWorkbench::refusedSceneFileIsReported()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);

    const QString scene = picturePath(fileName);
    if (!contents.isEmpty()) {
        QFile file(scene);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    const QString picture = picturePath(QStringLiteral("refused-scene.png"));
    const Run result = WorkbenchProcess::run({"--offscreen", "--scene", scene, "--screenshot", picture});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(fileName), qPrintable(result.errors));
    QVERIFY(!QFile::exists(picture));
}

void TestWorkbench::screenshotShowsTheDemoScene()
{
    const QString picture = picturePath(QStringLiteral("demo.png"));
    const Run result = WorkbenchProcess::run({"--offscreen", "--screenshot", picture});
    QVERIFY(result.finished);
    QVERIFY2(result.exitCode == 0, qPrintable(result.errors));

    QImage image;
    QVERIFY(image.load(picture, "PNG"));
    QVERIFY(image.width() >= 400 && image.height() >= 300);
    QVERIFY(distinctColours(image) > 8);
}

void TestWorkbench::openDialogIsComposedBesideTheWindow_data()
{
    QTest::addColumn<QString>("dialog");
    // Modeless and modal dialogs alike: a modal one must not hold up the picture.
    for (const char* dialog : {"zonestyle", "labelpoints", "font", "numberformat", "export", "print"})
        QTest::newRow(dialog) << QString::fromLatin1(dialog);
}

void TestWorkbench::openDialogIsComposedBesideTheWindow()
{
    QFETCH(QString, dialog);
    const QString windowOnly = picturePath(QStringLiteral("window.png"));
    const QString withDialog = picturePath(dialog + QStringLiteral(".png"));
    const Run plain = WorkbenchProcess::run({"--offscreen", "--screenshot", windowOnly});
    const Run opened = WorkbenchProcess::run({"--offscreen", "--open", dialog, "--screenshot", withDialog});
    QVERIFY(plain.finished && opened.finished);
    QVERIFY2(plain.exitCode == 0, qPrintable(plain.errors));
    QVERIFY2(opened.exitCode == 0, qPrintable(opened.errors));

    QImage windowImage;
    QImage dialogImage;
    QVERIFY(windowImage.load(windowOnly, "PNG"));
    QVERIFY(dialogImage.load(withDialog, "PNG"));
    QVERIFY(dialogImage.width() > windowImage.width());
    QVERIFY(dialogImage.height() >= windowImage.height());
    // Right of the main window stands the dialog, not an empty background.
    const QImage dialogPart =
        dialogImage.copy(windowImage.width(), 0, dialogImage.width() - windowImage.width(), dialogImage.height());
    QVERIFY(distinctColours(dialogPart) > 8);
}

void TestWorkbench::sceneFileAndGeneratedScenesAreShown_data()
{
    QTest::addColumn<QStringList>("sceneArguments");

    QTest::newRow("field3d") << QStringList{"--generate", "field3d:2000"};
    QTest::newRow("field2d") << QStringList{"--generate", "field2d:10"};
    QTest::newRow("xy") << QStringList{"--generate", "xy:500", "--open", "zonestyle"};
    QTest::newRow("polar") << QStringList{"--generate", "polar:3"};
    QTest::newRow("scene file") << QStringList{"--scene", "scene.json"};
}

void TestWorkbench::sceneFileAndGeneratedScenesAreShown()
{
    QFETCH(QStringList, sceneArguments);

    QFile scene(picturePath(QStringLiteral("scene.json")));
    QVERIFY(scene.open(QIODevice::WriteOnly));
    scene.write(
        "{ \"pages\": [ { \"frames\": [ { \"name\": \"Profile\", \"plotType\": 3, \"variables\": [\"X\", \"Y\"],"
        " \"zones\": [ { \"name\": \"z\", \"ordered\": true, \"imax\": 4, \"jmax\": 1, \"kmax\": 1 } ],"
        " \"lineMaps\": [ { \"name\": \"&ZN&: &DV&\", \"zone\": 1, \"x\": 1, \"y\": 2 } ] } ] } ] }");
    scene.close();
    for (QString& argument : sceneArguments) {
        if (argument == QLatin1String("scene.json"))
            argument = scene.fileName();
    }

    const QString picture = picturePath(QStringLiteral("scene.png"));
    QFile::remove(picture);
    const Run result = WorkbenchProcess::run(QStringList{"--offscreen", "--screenshot", picture} + sceneArguments);
    QVERIFY(result.finished);
    QVERIFY2(result.exitCode == 0, qPrintable(result.errors));
    QImage image;
    QVERIFY(image.load(picture, "PNG"));
    QVERIFY(distinctColours(image) > 8);
}

void TestWorkbench::unwritableScreenshotFails()
{
    const QString picture = picturePath(QStringLiteral("no/such/directory/picture.png"));
    const Run result = WorkbenchProcess::run({"--offscreen", "--screenshot", picture});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(picture), qPrintable(result.errors));
}

void TestWorkbench::screenshotsTakeTheFormatTheirNameSays()
{
    const QString jpeg = picturePath(QStringLiteral("window.jpg"));
    const Run written = WorkbenchProcess::run({"--offscreen", "--screenshot", jpeg});
    QVERIFY2(written.finished && written.exitCode == 0, qPrintable(written.errors));
    QImageReader reader(jpeg);
    QCOMPARE(reader.format(), QByteArray("jpeg"));

    const Run refused =
        WorkbenchProcess::run({"--offscreen", "--screenshot", picturePath(QStringLiteral("window.xyz"))});
    QVERIFY(refused.finished);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.errors.contains(QStringLiteral(".png")), qPrintable(refused.errors));
}

void TestWorkbench::screenshotOfDrawsThePartAskedFor()
{
    const auto picture = [this](const QStringList& arguments, const QString& name) {
        const QString path = picturePath(name);
        const Run result =
            WorkbenchProcess::run(QStringList{"--offscreen", "--open", "font", "--screenshot", path} + arguments);
        QImage image;
        if (!result.finished || result.exitCode != 0 || !image.load(path, "PNG"))
            qWarning("%s", qPrintable(result.errors));
        return image;
    };
    const QImage all = picture({}, QStringLiteral("all.png"));
    const QImage window = picture({"--screenshot-of", "window"}, QStringLiteral("window.png"));
    const QImage dialogs = picture({"--screenshot-of", "dialogs"}, QStringLiteral("dialogs.png"));
    QVERIFY(!all.isNull() && !window.isNull() && !dialogs.isNull());

    // Side by side, the two parts make the whole picture.
    QVERIFY(window.width() < all.width() && dialogs.width() < all.width());
    QVERIFY(window.width() + dialogs.width() < all.width());
    QCOMPARE(all.copy(0, 0, window.width(), window.height()), window);
    QCOMPARE(all.copy(all.width() - dialogs.width(), 0, dialogs.width(), dialogs.height()), dialogs);

    // Without an open dialog there is nothing to draw: a failure, no file.
    const QString nothing = picturePath(QStringLiteral("nothing.png"));
    const Run refused = WorkbenchProcess::run({"--offscreen", "--screenshot", nothing, "--screenshot-of", "dialogs"});
    QVERIFY(refused.finished);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.errors.contains(QStringLiteral("no dialog is open")), qPrintable(refused.errors));
    QVERIFY(!QFile::exists(nothing));

    const Run alone = WorkbenchProcess::run({"--offscreen", "--screenshot-of", "window"});
    QVERIFY(alone.finished);
    QCOMPARE(alone.exitCode, 2);
    QVERIFY2(alone.errors.contains(QStringLiteral("--screenshot")), qPrintable(alone.errors));
}

void TestWorkbench::exportDrawsAFrameWithoutAWindow()
{
    const QString picture = picturePath(QStringLiteral("frame.png"));
    const Run exported = WorkbenchProcess::run({"--export", picture, "--width", "640", "--frame", "3"});
    QVERIFY2(exported.finished && exported.exitCode == 0, qPrintable(exported.errors));
    QImage image;
    QVERIFY(image.load(picture, "PNG"));
    QCOMPARE(image.width(), 640);
    QVERIFY(distinctColours(image) > 4);
}

void TestWorkbench::exportWritesTheFormatItsSuffixNames_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("signatureOffset");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("png") << "frame.png" << 1 << QByteArray("PNG");
    QTest::newRow("jpeg") << "frame.jpeg" << 0 << QByteArray("\xff\xd8\xff");
    QTest::newRow("jpg") << "frame.jpg" << 0 << QByteArray("\xff\xd8\xff");
    QTest::newRow("tiff") << "frame.tiff" << 0 << QByteArray("II*");
    QTest::newRow("tif") << "frame.tif" << 0 << QByteArray("II*");
    QTest::newRow("eps") << "frame.eps" << 0 << QByteArray("%!PS-Adobe-3.0 EPSF-3.0");
    QTest::newRow("pdf") << "page.pdf" << 0 << QByteArray("%PDF-");
    QTest::newRow("ps") << "page.ps" << 0 << QByteArray("%!PS-Adobe-3.0");
    QTest::newRow("cps") << "page.cps" << 0 << QByteArray("%!PS-Adobe-3.0");
    QTest::newRow("mp4") << "zones.mp4" << 4 << QByteArray("ftyp");
    QTest::newRow("avi") << "zones.avi" << 8 << QByteArray("AVI ");
    QTest::newRow("non-ASCII name") << QString::fromUtf8("Größe 温度.png") << 1 << QByteArray("PNG");
}

void TestWorkbench::exportWritesTheFormatItsSuffixNames()
{
    QFETCH(QString, fileName);
    QFETCH(int, signatureOffset);
    QFETCH(QByteArray, signature);
    const QString path = picturePath(fileName);
    const Run exported = WorkbenchProcess::run({"--export", path, "--width", "320", "--frame", "2"});
    QVERIFY2(exported.finished && exported.exitCode == 0, qPrintable(exported.errors));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(signatureOffset + signature.size()).mid(signatureOffset), signature);
    // Nothing but the file itself is left in the directory.
    const QStringList leftovers =
        QDir(m_directory.path()).entryList({QStringLiteral("*.tmp"), QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
}

void TestWorkbench::badExportsExitWithTheReason_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown frame") << QStringList{"--export", "out.png", "--frame", "99"} << QStringLiteral("frame 99");
    QTest::newRow("unwritable path") << QStringList{"--export", "no/such/dir/out.png"}
                                     << QStringLiteral("Cannot write");
    QTest::newRow("refused scene") << QStringList{"--scene", "missing.json", "--export", "out.png"}
                                   << QStringLiteral("missing.json");
    QTest::newRow("width without export") << QStringList{"--width", "10"} << QStringLiteral("--export");
    QTest::newRow("export with a dialog")
        << QStringList{"--export", "out.png", "--open", "zonestyle"} << QStringLiteral("--open");
}

void TestWorkbench::badExportsExitWithTheReason()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    for (QString& argument : arguments) {
        if (argument.endsWith(QLatin1String(".png")) || argument.endsWith(QLatin1String(".json")))
            argument = picturePath(argument);
    }
    const Run result = WorkbenchProcess::run(arguments);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(reason), qPrintable(result.errors));
}

// Without a display the window system would abort the program: options are read first, and a
// window is refused with a reason, while pictures are drawn offscreen.
void TestWorkbench::withoutADisplayAWindowIsRefusedAndPicturesAreDrawn()
{
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        headless.remove(QString::fromLatin1(variable));

    const Run window = WorkbenchProcess::run({}, headless);
    QVERIFY(window.finished);
    QCOMPARE(window.exitCode, 2);
    QVERIFY2(window.errors.contains(QStringLiteral("No display")), qPrintable(window.errors));

    const Run help = WorkbenchProcess::run({"--help"}, headless);
    QVERIFY(help.finished);
    QCOMPARE(help.exitCode, 0);

    const Run badScene = WorkbenchProcess::run({"--scene", picturePath(QStringLiteral("missing.json"))}, headless);
    QVERIFY(badScene.finished);
    QCOMPARE(badScene.exitCode, 2);

    const QString picture = picturePath(QStringLiteral("headless.png"));
    const Run drawn = WorkbenchProcess::run({"--screenshot", picture}, headless);
    QVERIFY2(drawn.finished && drawn.exitCode == 0, qPrintable(drawn.errors));
    QVERIFY(QFileInfo::exists(picture));
}

QTEST_GUILESS_MAIN(TestWorkbench)
#include "tst_workbench.moc"
