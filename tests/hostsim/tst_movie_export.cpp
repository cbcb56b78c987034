// Movies of the current frame stepping through its zones: what the exporter writes is read back
// with FFmpeg and checked for its container, size, rate, frame count and pictures; refused and
// abandoned exports must leave nothing behind.

#include "hostsim/Host.h"
#include "hostsim/kernel/Scene.h"
#include "hostsim/movie/MovieEncoding.h"
#include "hostsim/movie/MovieExporter.h"
#include "hostsim/movie/MoviePicture.h"
#include "hostsim/movie/MovieProbe.h"
#include "hostsim/movie/MovieSettings.h"
#include "hostsim/render/FrameSnapshot.h"

#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "support/PictureMeasures.h"
#include "support/FolderEntries.h"

#include <cmath>

using kestrix::hostsim::Host;
using kestrix::hostsim::movie::MovieEncoding;
using kestrix::hostsim::movie::MovieExporter;
using kestrix::hostsim::movie::MoviePicture;
using kestrix::hostsim::movie::MovieProbe;
using kestrix::hostsim::movie::MovieSettings;
using kestrix::hostsim::render::FrameSnapshot;
using kestrix::testing::FolderEntries;
using kestrix::testing::PictureMeasures;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StyleValue;

namespace {

// A line frame of three zones whose maps plot zones 1 and 3; no map plots zone 2.
const QByteArray LineFrameWithUnplottedZone = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Lines", "plotType": 3, "variables": ["X", "Y"],
      "zones": [ { "name": "first", "imax": 3, "values": { "X": [0, 1, 2], "Y": [0, 1, 0] } },
                 { "name": "second", "imax": 3, "values": { "X": [0, 1, 2], "Y": [1, 0, 1] } },
                 { "name": "third", "imax": 3, "values": { "X": [0, 1, 2], "Y": [0.5, 0.5, 0] } } ],
      "lineMaps": [ { "zone": 1, "x": 1, "y": 2 }, { "zone": 3, "x": 1, "y": 2 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

const QByteArray FrameWithoutZones = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Empty", "plotType": 3 } ] } ], "current": { "page": 1, "frame": 1 } })");

void setExportSettings(int format, const QString& fileName, double framesPerSecond, int width)
{
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT").set(format)));
    QVERIFY(
        StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "EXPORTFNAME").set(fileName.toUtf8().toStdString())));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "ANIMATIONSPEED").set(framesPerSecond)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "IMAGEWIDTH").set(width)));
}

int expectedHeight(int evenWidth)
{
    const auto frame = FrameSnapshot::capture();
    const long height = std::lround(evenWidth * frame->heightInches() / frame->widthInches());
    return static_cast<int>(std::max(2L, height - height % 2));
}

} // namespace

class TestMovieExport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(FolderEntries::clear(m_dir.path()));
    }

    void writesOneFramePerZone_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<int>("zones");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("framesPerSecond");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("codecs");

        const QStringList h264OrMpeg4{QStringLiteral("h264"), QStringLiteral("mpeg4")};
        const QStringList mpeg4{QStringLiteral("mpeg4")};
        const QString mp4 = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");
        const QString avi = QStringLiteral("avi");
        QTest::newRow("field frame, MPEG-4")
            << "field2d:5" << 5 << int(ExportFormat_MPEG4) << "field.mp4" << 160 << 10.0 << mp4 << h264OrMpeg4;
        QTest::newRow("line frame, AVI, odd width")
            << "xy:4" << 4 << int(ExportFormat_AVI) << "lines.avi" << 161 << 2.5 << avi << mpeg4;
        QTest::newRow("line frame, MPEG-4, fractional rate")
            << "xy:3" << 3 << int(ExportFormat_MPEG4) << "lines.mp4" << 120 << 29.97 << mp4 << h264OrMpeg4;
        QTest::newRow("slowest, MPEG-4") << "field2d:2" << 2 << int(ExportFormat_MPEG4) << "slow.mp4" << 64 << 0.01
                                         << mp4 << h264OrMpeg4;
        QTest::newRow("slowest, AVI") << "field2d:2" << 2 << int(ExportFormat_AVI) << "slow.avi" << 64 << 0.01 << avi
                                      << mpeg4;
        QTest::newRow("fastest, AVI") << "xy:3" << 3 << int(ExportFormat_AVI) << "fast.avi" << 64 << 1000.0 << avi
                                      << mpeg4;
        QTest::newRow("smallest") << "xy:2" << 2 << int(ExportFormat_MPEG4) << "tiny.mp4" << 1 << 10.0 << mp4
                                  << h264OrMpeg4;
    }

    void writesOneFramePerZone()
    {
        QFETCH(QString, scene);
        QFETCH(int, zones);
        QFETCH(int, format);
        QFETCH(QString, fileName);
        QFETCH(int, width);
        QFETCH(double, framesPerSecond);
        QFETCH(QString, container);
        QFETCH(QStringList, codecs);

        QVERIFY(Host::instance().loadGeneratedScene(scene));
        const QString path = m_dir.filePath(fileName);
        setExportSettings(format, path, framesPerSecond, width);
        MovieExporter exporter;
        QString error;
        QVERIFY2(exporter.exportAll(&error), qPrintable(error));

        const int evenWidth = std::max(2, width - width % 2);
        const QSize size(evenWidth, expectedHeight(evenWidth));
        QCOMPARE(exporter.frameSize(), size);
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{fileName});

        MovieProbe probe;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.containerName(), container);
        QVERIFY2(codecs.contains(probe.codecName()), qPrintable(probe.codecName()));
        QCOMPARE(probe.width(), size.width());
        QCOMPARE(probe.height(), size.height());
        QCOMPARE(probe.frameCount(), zones);
        QVERIFY2(std::abs(probe.framesPerSecond() - framesPerSecond) <= framesPerSecond * 1e-3,
                 qPrintable(QString::number(probe.framesPerSecond())));
    }

    void mpeg4UsesH264WhenFfmpegHasIt()
    {
        const std::optional<MovieEncoding> mpeg4 = MovieEncoding::forExportFormat(ExportFormat_MPEG4, nullptr);
        QVERIFY(mpeg4);
        QCOMPARE(mpeg4->container(), QByteArray("mp4"));
        const bool hasX264 = MovieEncoding::choose(QStringLiteral("H.264"), "mp4", {"libx264"}, nullptr).has_value();
        QCOMPARE(mpeg4->encoder(), hasX264 ? QByteArray("libx264") : QByteArray("mpeg4"));
        const std::optional<MovieEncoding> avi = MovieEncoding::forExportFormat(ExportFormat_AVI, nullptr);
        QVERIFY(avi);
        QCOMPARE(avi->container(), QByteArray("avi"));
    }

    // Movie frame k shows zone k + 1 alone: each decoded picture is nearest to the drawing of
    // its own zone, and consecutive pictures differ.
    void framesStepThroughTheZones_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<int>("format");
        QTest::newRow("field frame") << "field2d:4" << int(ExportFormat_MPEG4);
        QTest::newRow("line frame") << "xy:4" << int(ExportFormat_AVI);
    }

    void framesStepThroughTheZones()
    {
        QFETCH(QString, scene);
        QFETCH(int, format);
        QVERIFY(Host::instance().loadGeneratedScene(scene));
        const QString path = m_dir.filePath(QStringLiteral("zones.movie"));
        setExportSettings(format, path, 5.0, 200);
        MovieExporter exporter;
        QString error;
        QVERIFY2(exporter.exportAll(&error), qPrintable(error));
        MovieProbe probe;
        QVERIFY2(probe.read(path, &error, MovieProbe::Pictures::Keep), qPrintable(error));
        QCOMPARE(probe.pictures().size(), 4);

        const auto whole = FrameSnapshot::capture();
        const std::optional<MoviePicture> picture = MoviePicture::forFrame(*whole, 200, 1, nullptr);
        QVERIFY(picture);
        QList<QImage> drawings;
        for (int zone = 1; zone <= 4; ++zone)
            drawings.append(picture->draw(*FrameSnapshot::captureShowingZone(whole->frame().id, zone)));
        const QImage drawnWhole = picture->draw(*whole);

        for (int k = 0; k < 4; ++k) {
            const QImage& decoded = probe.pictures().at(k);
            QCOMPARE(decoded.size(), picture->size());
            for (int other = 0; other < 4; ++other) {
                if (other != k)
                    QVERIFY2(PictureMeasures::meanDifference(decoded, drawings.at(k))
                                 < PictureMeasures::meanDifference(decoded, drawings.at(other)),
                             qPrintable(QStringLiteral("frame %1 against zone %2").arg(k).arg(other + 1)));
            }
            QVERIFY(PictureMeasures::meanDifference(decoded, drawings.at(k))
                    < PictureMeasures::meanDifference(decoded, drawnWhole));
            if (k > 0)
                QVERIFY(PictureMeasures::meanDifference(decoded, probe.pictures().at(k - 1)) > 0.5);
        }
    }

    void zoneSnapshotsRestrictOnlyTheCopy()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:3")));
        const UniqueID_t id = FrameSnapshot::capture()->frame().id;
        const auto second = FrameSnapshot::captureShowingZone(id, 2);
        QVERIFY(second);
        QCOMPARE(second->frame().zoneEnabled, (std::vector<bool>{false, true, false}));
        QCOMPARE(FrameSnapshot::capture()->frame().zoneEnabled, (std::vector<bool>{true, true, true}));
        QVERIFY(!FrameSnapshot::captureShowingZone(id, 0));
        QVERIFY(!FrameSnapshot::captureShowingZone(id, 4));
        QVERIFY(!FrameSnapshot::captureShowingZone(id + 1000, 1));

        QVERIFY(Host::instance().loadSceneJson(LineFrameWithUnplottedZone));
        const UniqueID_t lines = FrameSnapshot::capture()->frame().id;
        QCOMPARE(FrameSnapshot::captureShowingZone(lines, 1)->members({"ACTIVELINEMAPS"}), std::vector<int>{1});
        QCOMPARE(FrameSnapshot::captureShowingZone(lines, 3)->members({"ACTIVELINEMAPS"}), std::vector<int>{2});
        // No map plots zone 2: its step shows the frame as it is.
        QCOMPARE(FrameSnapshot::captureShowingZone(lines, 2)->members({"ACTIVELINEMAPS"}), (std::vector<int>{1, 2}));
        QCOMPARE(Host::instance().styleValue({QStringLiteral("ACTIVELINEMAPS")}), QVariant(QVariantList{1, 2}));
    }

    void refusesWhatItCannotWrite_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        const QString longName = QString(4000, QLatin1Char('a')) + QStringLiteral(".mp4");
        QTest::newRow("Flash") << int(ExportFormat_Flash) << "movie.swf" << 160 << "Flash movies are not supported";
        QTest::newRow("picture format") << int(ExportFormat_PNG) << "movie.png" << 160 << "not a movie format";
        QTest::newRow("no name") << int(ExportFormat_MPEG4) << "" << 160 << "No file name";
        QTest::newRow("missing folder") << int(ExportFormat_MPEG4) << "missing/movie.mp4" << 160 << "does not exist";
        QTest::newRow("folder is a file") << int(ExportFormat_AVI) << "plain/movie.avi" << 160 << "is not a folder";
        QTest::newRow("target is a folder") << int(ExportFormat_AVI) << "folder" << 160 << "is a folder";
        QTest::newRow("4000 characters") << int(ExportFormat_MPEG4) << longName << 160 << "too long";
        QTest::newRow("too wide") << int(ExportFormat_MPEG4) << "wide.mp4" << 9000 << "at most 8190 pixels wide";
    }

    void refusesWhatItCannotWrite()
    {
        QFETCH(int, format);
        QFETCH(QString, fileName);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:2")));
        QFile plain(m_dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        const QStringList before = FolderEntries::of(m_dir.path());

        setExportSettings(format, fileName.isEmpty() ? QString() : m_dir.filePath(fileName), 10.0, width);
        MovieExporter exporter;
        QString error;
        QVERIFY(!exporter.open(&error));
        QVERIFY2(error.contains(expected), qPrintable(error));
        // Messages end up in message boxes: a long path is shortened.
        QVERIFY2(error.size() < 400, qPrintable(error));
        QVERIFY(!exporter.isOpen());
        QString secondError;
        QVERIFY(!exporter.writeFrame(0, &secondError));
        QVERIFY(!secondError.isEmpty());
        QCOMPARE(FolderEntries::of(m_dir.path()), before);
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("folder"))).isEmpty(), true);
        QVERIFY(QDir(m_dir.filePath(QStringLiteral("folder"))).removeRecursively());
    }

    void refusesFoldersItMayNotWriteInto()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:2")));
        // The kernel's file system is written by nobody, root included.
        setExportSettings(ExportFormat_MPEG4, QStringLiteral("/proc/kestrix-movie.mp4"), 10.0, 160);
        MovieExporter exporter;
        QString error;
        QVERIFY(!exporter.open(&error));
        QVERIFY2(error.contains(QStringLiteral("\"/proc/kestrix-movie.mp4\" could not be created")), qPrintable(error));
        QVERIFY(!QFile::exists(QStringLiteral("/proc/kestrix-movie.mp4")));

        const QString folder = m_dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile check(folder + QStringLiteral("/check"));
        const bool permissionsHold = !check.open(QIODevice::WriteOnly);
        check.remove();
        if (permissionsHold) {
            setExportSettings(ExportFormat_AVI, folder + QStringLiteral("/movie.avi"), 10.0, 160);
            MovieExporter locked;
            QVERIFY(!locked.open(&error));
            QVERIFY2(error.contains(QStringLiteral("cannot be written to")), qPrintable(error));
        }
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QDir(folder).isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
        if (!permissionsHold)
            QSKIP("Running with permissions that ignore a read-only folder; only /proc was checked.");
    }

    void refusesFramesWithoutZones()
    {
        Host::instance().clearScene();
        setExportSettings(ExportFormat_MPEG4, m_dir.filePath(QStringLiteral("movie.mp4")), 10.0, 160);
        QString error;
        QVERIFY(!MovieExporter().open(&error));
        QCOMPARE(error, QStringLiteral("There is no current frame to export."));

        QVERIFY(Host::instance().loadSceneJson(FrameWithoutZones));
        setExportSettings(ExportFormat_MPEG4, m_dir.filePath(QStringLiteral("movie.mp4")), 10.0, 160);
        QVERIFY(!MovieExporter().open(&error));
        QVERIFY2(error.contains(QStringLiteral("has no zones")), qPrintable(error));
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());
    }

    void refusesMissingEncodersAndContainers()
    {
        QString error;
        QVERIFY(!MovieEncoding::choose(QStringLiteral("Test"), "mp4", {"no-such-encoder", "nor-this"}, &error));
        QCOMPARE(error,
                 QStringLiteral("FFmpeg has no encoder for Test movies here (tried no-such-encoder, nor-this)."));
        QVERIFY(!MovieEncoding::choose(QStringLiteral("Test"), "no-such-container", {"mpeg4"}, &error));
        QVERIFY2(error.contains(QStringLiteral("no-such-container")), qPrintable(error));
    }

    void refusesFramesOutOfOrder()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:3")));
        setExportSettings(ExportFormat_AVI, m_dir.filePath(QStringLiteral("movie.avi")), 10.0, 96);
        QString error;
        MovieExporter skipping;
        QVERIFY(skipping.open(&error));
        QVERIFY(!skipping.writeFrame(1, &error));
        QVERIFY(!skipping.isOpen());
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());

        MovieExporter early;
        QVERIFY(early.open(&error));
        QVERIFY(early.writeFrame(0, &error));
        QVERIFY(!early.finish(&error));
        QVERIFY2(error.contains(QStringLiteral("1 of the movie's 3 frames")), qPrintable(error));
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());
    }

    // Cancelling, or dropping an unfinished exporter, leaves the folder as it was: no movie,
    // no temporary file, and an earlier file of that name untouched.
    void abandonedExportsLeaveNothing()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:5")));
        const QString path = m_dir.filePath(QStringLiteral("movie.mp4"));
        setExportSettings(ExportFormat_MPEG4, path, 10.0, 160);
        QString error;
        {
            MovieExporter exporter;
            QVERIFY(exporter.open(&error));
            QCOMPARE(exporter.frameCount(), 5);
            QCOMPARE(exporter.frameLabel(1), QStringLiteral("outlet 2"));
            QVERIFY(exporter.writeFrame(0, &error));
            QVERIFY(exporter.writeFrame(1, &error));
            QCOMPARE(exporter.framesWritten(), 2);
            exporter.cancel();
            QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());
            QVERIFY(!exporter.writeFrame(2, &error));
            QVERIFY(!exporter.finish(&error));
        }
        {
            MovieExporter dropped;
            QVERIFY(dropped.open(&error));
            QVERIFY(dropped.writeFrame(0, &error));
        }
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());

        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        {
            MovieExporter exporter;
            QVERIFY(exporter.open(&error));
            QVERIFY(exporter.writeFrame(0, &error));
        }
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QStringLiteral("movie.mp4")});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        earlier.close();

        // A finished export replaces it.
        MovieExporter exporter;
        QVERIFY2(exporter.exportAll(&error), qPrintable(error));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QStringLiteral("movie.mp4")});
        MovieProbe probe;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.frameCount(), 5);
    }

    void writesToNonAsciiPaths()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:2")));
        const QString fileName = QStringLiteral("Größe 温度: 1.mp4");
        const QString path = m_dir.filePath(fileName);
        setExportSettings(ExportFormat_MPEG4, path, 10.0, 96);
        MovieExporter exporter;
        QString error;
        QVERIFY2(exporter.exportAll(&error), qPrintable(error));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{fileName});
        MovieProbe probe;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.frameCount(), 2);
        QCOMPARE(probe.width(), 96);
    }

    void supersamplingFollowsTheSettings()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:2")));
        QCOMPARE(MovieSettings::fromApplicationSettings().supersampleFactor, 1);
        QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "USESUPERSAMPLEANTIALIASING").set(true)));
        QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "SUPERSAMPLEFACTOR").set(4)));
        QCOMPARE(MovieSettings::fromApplicationSettings().supersampleFactor, 4);
        QCOMPARE(CheckedStyleValue("INTERFACE", "USEOFFSCREENBITMAP").set(false), SetValue_Ok);
        QCOMPARE(MovieSettings::fromApplicationSettings().supersampleFactor, 1);
        QCOMPARE(CheckedStyleValue("INTERFACE", "USEOFFSCREENBITMAP").set(true), SetValue_Ok);

        const auto frame = FrameSnapshot::capture();
        const std::optional<MoviePicture> plain = MoviePicture::forFrame(*frame, 160, 1, nullptr);
        const std::optional<MoviePicture> smooth = MoviePicture::forFrame(*frame, 160, 4, nullptr);
        QVERIFY(plain && smooth);
        QCOMPARE(smooth->supersampleFactor(), 4);
        const QImage plainPicture = plain->draw(*frame);
        const QImage smoothPicture = smooth->draw(*frame);
        QCOMPARE(smoothPicture.size(), plainPicture.size());
        const double difference = PictureMeasures::meanDifference(plainPicture, smoothPicture);
        QVERIFY2(difference > 0.0 && difference < 20.0, qPrintable(QString::number(difference)));

        // At the largest size the factor drops so that the drawing stays within its limit.
        const std::optional<MoviePicture> largest = MoviePicture::forFrame(*frame, 8190, 16, nullptr);
        QVERIFY(largest);
        const QSize drawn = largest->size() * largest->supersampleFactor();
        QVERIFY(qint64(drawn.width()) * drawn.height() <= MoviePicture::MaximumDrawnPixels);

        const QString path = m_dir.filePath(QStringLiteral("smooth.avi"));
        setExportSettings(ExportFormat_AVI, path, 10.0, 160);
        QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "USESUPERSAMPLEANTIALIASING").set(true)));
        MovieExporter exporter;
        QString error;
        QVERIFY2(exporter.exportAll(&error), qPrintable(error));
        MovieProbe probe;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.width(), 160);
        QCOMPARE(probe.frameCount(), 2);
    }

    void probeRefusesWhatIsNoMovie()
    {
        QFile text(m_dir.filePath(QStringLiteral("text.mp4")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a movie at all");
        text.close();
        MovieProbe probe;
        QString error;
        QVERIFY(!probe.read(text.fileName(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!probe.read(m_dir.filePath(QStringLiteral("missing.mp4")), &error));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMovieExport)
#include "tst_movie_export.moc"
