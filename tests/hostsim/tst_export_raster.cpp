// Picture exports through VexUtilExport, read back: PNG, JPEG and TIFF files of the export
// width in the region's proportion, with the quality, encoding, colour reduction, palette and
// supersampling the settings ask for, and bounded memory for huge widths.

#include <hostsim/Host.h>
#include <hostsim/render/FrameRenderer.h>
#include <hostsim/render/FrameSnapshot.h>
#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FolderEntries.h"
#include "support/PictureMeasures.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"

#include <cmath>
#include <string>

using kestrix::hostsim::Host;
using kestrix::hostsim::render::FrameRenderer;
using kestrix::hostsim::render::FrameSnapshot;
using kestrix::testing::FolderEntries;
using kestrix::testing::PictureMeasures;
using kestrix::testing::setApplicationStyle;
using kestrix::testing::TestScenes;

namespace {

bool setExport(const QString& path, ExportFormat_e format, int width, int region = 0)
{
    return setApplicationStyle("EXPORTSETUP", "EXPORTFNAME", path.toStdString())
           && setApplicationStyle("EXPORTSETUP", "EXPORTFORMAT", format)
           && setApplicationStyle("EXPORTSETUP", "IMAGEWIDTH", width)
           && setApplicationStyle("EXPORTSETUP", "EXPORTREGION", region);
}

} // namespace

class TestExportRaster : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString& name : FolderEntries::of(m_dir.path()))
            QVERIFY(QFile::remove(m_dir.filePath(name)));
        Host::instance().loadDemoScene();
    }

    void picturesHaveTheWidthAndTheRegionsProportion_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("readerFormat");
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const struct {
            ExportFormat_e format;
            const char* name;
        } formats[] = {{ExportFormat_PNG, "png"}, {ExportFormat_JPEG, "jpeg"}, {ExportFormat_TIFF, "tiff"}};
        for (const auto& format : formats) {
            // 9 x 6, 13 x 9 and 11 x 8.5 inches at 390 pixels wide.
            QTest::addRow("%s current frame", format.name)
                << int(format.format) << QByteArray(format.name) << 0 << 390 << 260;
            QTest::addRow("%s all frames", format.name)
                << int(format.format) << QByteArray(format.name) << 1 << 390 << 270;
            QTest::addRow("%s work area", format.name)
                << int(format.format) << QByteArray(format.name) << 2 << 390 << 301;
        }
    }

    void picturesHaveTheWidthAndTheRegionsProportion()
    {
        QFETCH(int, format);
        QFETCH(QByteArray, readerFormat);
        QFETCH(int, region);
        QFETCH(int, width);
        QFETCH(int, height);
        QVERIFY(Host::instance().loadSceneJson(TestScenes::threeFramesOfDifferentSizes()));
        const QString path = m_dir.filePath(QStringLiteral("picture.") + QString::fromLatin1(readerFormat));
        QVERIFY(setExport(path, static_cast<ExportFormat_e>(format), width, region));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        QVERIFY(Host::instance().lastExportError().isEmpty());
        QImageReader reader(path);
        QCOMPARE(reader.format(), readerFormat);
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(width, height));
        QVERIFY(PictureMeasures::drawnPixels(picture) > width);
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QFileInfo(path).fileName()});
    }

    // The work area is the paper: its margins stay white around the frames.
    void theWorkAreaShowsThePaperAroundTheFrames()
    {
        const QString path = m_dir.filePath(QStringLiteral("paper.png"));
        QVERIFY(setExport(path, ExportFormat_PNG, 1100, 2));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        const QImage paper(path);
        QCOMPARE(paper.size(), QSize(1100, 850));
        // The demo's four 9 x 6 inch frames tile to 18 x 12 inches, reduced to the 10 x 7.5
        // inches inside the margins: 10 x 6.67 inches, centred.
        QCOMPARE(PictureMeasures::drawnPixels(paper.copy(0, 0, 1100, 40)), 0);
        QCOMPARE(PictureMeasures::drawnPixels(paper.copy(0, 850 - 40, 1100, 40)), 0);
        QCOMPARE(PictureMeasures::drawnPixels(paper.copy(0, 0, 40, 850)), 0);
        QVERIFY(PictureMeasures::drawnPixels(paper.copy(50, 91, 1000, 667)) > 10000);
    }

    // The current frame's export is the frame's own picture.
    void theCurrentFrameIsTheRenderersPicture()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        const QString path = m_dir.filePath(QStringLiteral("frame.png"));
        QVERIFY(setExport(path, ExportFormat_PNG, 400));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        const auto snapshot = FrameSnapshot::capture();
        QVERIFY(snapshot);
        const QImage expected = FrameRenderer::image(*snapshot, 400);
        const QImage written(path);
        QCOMPARE(written.size(), expected.size());
        QVERIFY2(PictureMeasures::meanDifference(written, expected) < 0.5,
                 qPrintable(QString::number(PictureMeasures::meanDifference(written, expected))));
    }

    void jpegQualityAndEncodingReachTheFile()
    {
        qint64 sizes[2] = {};
        const int qualities[2] = {10, 95};
        for (int i = 0; i < 2; ++i) {
            const QString path = m_dir.filePath(QStringLiteral("quality%1.jpg").arg(qualities[i]));
            QVERIFY(setExport(path, ExportFormat_JPEG, 600));
            QVERIFY(setApplicationStyle("EXPORTSETUP", "QUALITY", double(qualities[i])));
            QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
            sizes[i] = QFileInfo(path).size();
        }
        QVERIFY2(sizes[1] > 2 * sizes[0], qPrintable(QStringLiteral("%1 and %2 bytes").arg(sizes[0]).arg(sizes[1])));

        // Baseline JPEG starts its frame with marker SOF0, progressive JPEG with SOF2.
        for (int encoding : {0, 1}) {
            const QString path = m_dir.filePath(QStringLiteral("encoding%1.jpg").arg(encoding));
            QVERIFY(setExport(path, ExportFormat_JPEG, 300));
            QVERIFY(setApplicationStyle("EXPORTSETUP", "JPEGENCODING", encoding));
            QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            QCOMPARE(data.contains(QByteArray("\xff\xc2", 2)), encoding == 1);
            QCOMPARE(data.contains(QByteArray("\xff\xc0", 2)), encoding == 0);
            QCOMPARE(QImage(path).width(), 300);
        }
    }

    void tiffAndPngKeepTrueColourOrReduceTo256Colours_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("reduce");
        QTest::newRow("tiff true colour") << int(ExportFormat_TIFF) << false;
        QTest::newRow("tiff 256 colours") << int(ExportFormat_TIFF) << true;
        QTest::newRow("png true colour") << int(ExportFormat_PNG) << false;
        QTest::newRow("png 256 colours") << int(ExportFormat_PNG) << true;
    }

    void tiffAndPngKeepTrueColourOrReduceTo256Colours()
    {
        QFETCH(int, format);
        QFETCH(bool, reduce);
        const QString path = m_dir.filePath(QStringLiteral("colours"));
        QVERIFY(setExport(path, static_cast<ExportFormat_e>(format), 500));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "CONVERTTO256COLORS", reduce));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        const QImage picture(path);
        QVERIFY(!picture.isNull());
        if (reduce) {
            QCOMPARE(picture.format(), QImage::Format_Indexed8);
            QVERIFY(picture.colorCount() > 16);
            QVERIFY(picture.colorCount() <= 256);
        } else {
            QCOMPARE(picture.depth(), 32);
            QVERIFY(!picture.hasAlphaChannel());
        }
        QVERIFY(PictureMeasures::nonGreyPixels(picture) > 1000);
    }

    void aGreyPaletteGivesGreyPictures_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("reduce");
        QTest::newRow("png") << int(ExportFormat_PNG) << false;
        QTest::newRow("jpeg") << int(ExportFormat_JPEG) << false;
        QTest::newRow("tiff") << int(ExportFormat_TIFF) << false;
        QTest::newRow("tiff 256 colours") << int(ExportFormat_TIFF) << true;
    }

    void aGreyPaletteGivesGreyPictures()
    {
        QFETCH(int, format);
        QFETCH(bool, reduce);
        const QString path = m_dir.filePath(QStringLiteral("grey"));
        QVERIFY(setExport(path, static_cast<ExportFormat_e>(format), 500, 1));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "CONVERTTO256COLORS", reduce));
        QVERIFY(setApplicationStyle("PRINTSETUP", "PALETTE", 0));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        const QImage picture(path);
        QCOMPARE(picture.width(), 500);
        QCOMPARE(PictureMeasures::nonGreyPixels(picture), 0);
        QVERIFY(PictureMeasures::drawnPixels(picture) > 5000);
    }

    // Supersampling draws larger and scales down: close to the plain picture, yet not the
    // same; without off-screen drawing it is off.
    void supersamplingSmoothsUnlessOffScreenDrawingIsOff()
    {
        const QString plainPath = m_dir.filePath(QStringLiteral("plain.png"));
        QVERIFY(setExport(plainPath, ExportFormat_PNG, 400));
        QVERIFY(VexUtilExport(0));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "USESUPERSAMPLEANTIALIASING", true));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "SUPERSAMPLEFACTOR", 4));
        const QString smoothPath = m_dir.filePath(QStringLiteral("smooth.png"));
        QVERIFY(setExport(smoothPath, ExportFormat_PNG, 400));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        QVERIFY(setApplicationStyle("INTERFACE", "USEOFFSCREENBITMAP", false));
        const QString offPath = m_dir.filePath(QStringLiteral("off.png"));
        QVERIFY(setExport(offPath, ExportFormat_PNG, 400));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));

        const QImage plain(plainPath);
        const QImage smooth(smoothPath);
        QCOMPARE(smooth.size(), plain.size());
        const double difference = PictureMeasures::meanDifference(plain, smooth);
        QVERIFY2(difference > 0.2 && difference < 20.0, qPrintable(QString::number(difference)));
        QCOMPARE(PictureMeasures::meanDifference(plain, QImage(offPath)), 0.0);
    }

    void extremeWidthsWriteOrRefuseQuickly()
    {
        const QString thin = m_dir.filePath(QStringLiteral("thin.png"));
        QVERIFY(setExport(thin, ExportFormat_PNG, 1));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "USESUPERSAMPLEANTIALIASING", true));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "SUPERSAMPLEFACTOR", 16));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        QCOMPARE(QImage(thin).size(), QSize(1, 1));
        QVERIFY(setExport(thin, ExportFormat_TIFF, 1, 2));
        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        QCOMPARE(QImage(thin).size(), QSize(1, 1));

        // 20,000 x 13,333 pixels, drawn four times larger, would take gigabytes.
        QVERIFY(QFile::remove(thin));
        const QString huge = m_dir.filePath(QStringLiteral("huge.png"));
        QVERIFY(setExport(huge, ExportFormat_PNG, 20000));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "SUPERSAMPLEFACTOR", 4));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!VexUtilExport(0));
        QVERIFY(timer.elapsed() < 3000);
        const QString error = Host::instance().lastExportError();
        QVERIFY2(error.contains(QStringLiteral("20000 × 13333")) && error.contains(QStringLiteral("megapixels")),
                 qPrintable(error));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestExportRaster)
#include "tst_export_raster.moc"
