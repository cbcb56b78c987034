// EPS exports and the PostScript writer behind them, read back as text: the EPS header, a
// bounding box of the region in points, vector paths without pictures for the vector type,
// a picture of the print resolution for the image type, grey output, several pages, and
// failures of the output device.

#include <hostsim/Host.h>
#include <hostsim/export/PostScriptWriter.h>
#include <hostsim/export/SvgGreyFilter.h>
#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "support/PictureMeasures.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"

using kestrix::hostsim::Host;
using kestrix::hostsim::exporting::PostScriptWriter;
using kestrix::hostsim::exporting::SvgGreyFilter;
using kestrix::testing::PictureMeasures;
using kestrix::testing::setApplicationStyle;
using kestrix::testing::TestScenes;

namespace {

QByteArray exportEps(const QString& path, int region, bool asImage)
{
    if (!setApplicationStyle("EXPORTSETUP", "EXPORTFNAME", path.toStdString())
        || !setApplicationStyle("EXPORTSETUP", "EXPORTFORMAT", ExportFormat_EPS)
        || !setApplicationStyle("EXPORTSETUP", "EXPORTREGION", region)
        || !setApplicationStyle("EXPORTSETUP", "PRINTRENDERTYPE", asImage ? 1 : 0))
        return {};
    if (!VexUtilExport(0)) {
        qWarning("%s", qPrintable(Host::instance().lastExportError()));
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString boundingBox(const QByteArray& postScript)
{
    const QRegularExpression line(QStringLiteral("^%%BoundingBox: (.*)$"), QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(postScript)).captured(1);
}

int countOf(const QByteArray& postScript, const QString& pattern)
{
    const QRegularExpression expression(pattern, QRegularExpression::MultilineOption);
    int count = 0;
    for (auto it = expression.globalMatch(QString::fromLatin1(postScript)); it.hasNext(); it.next())
        ++count;
    return count;
}

// Colours set for vector drawing: "r g b rg" (fill) and "r g b RG" (stroke).
QList<QStringList> rgbColours(const QByteArray& postScript)
{
    const QRegularExpression colour(QStringLiteral("(?:^|\\s)([\\d.]+) ([\\d.]+) ([\\d.]+) (?:rg|RG)\\b"));
    QList<QStringList> colours;
    for (auto it = colour.globalMatch(QString::fromLatin1(postScript)); it.hasNext();) {
        const auto match = it.next();
        colours.append({match.captured(1), match.captured(2), match.captured(3)});
    }
    return colours;
}

int nonGreyColours(const QList<QStringList>& colours)
{
    int count = 0;
    for (const QStringList& rgb : colours)
        count += rgb[0] != rgb[1] || rgb[1] != rgb[2] ? 1 : 0;
    return count;
}

// A device that takes the first `room` bytes and then fails, like a full disk.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : m_room(room) {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (m_room < length) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};

} // namespace

class TestExportEps : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        Host::instance().loadDemoScene();
    }

    void theBoundingBoxIsTheRegionInPoints_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<bool>("asImage");
        QTest::addColumn<QString>("box");
        // The 9 x 6 inch frame, the three frames tiled to 13 x 9 inches, the 11 x 8.5 inch paper.
        QTest::newRow("vector frame") << 0 << false << QStringLiteral("0 0 648 432");
        QTest::newRow("vector all frames") << 1 << false << QStringLiteral("0 0 936 648");
        QTest::newRow("vector work area") << 2 << false << QStringLiteral("0 0 792 612");
        QTest::newRow("image frame") << 0 << true << QStringLiteral("0 0 648 432");
        QTest::newRow("image all frames") << 1 << true << QStringLiteral("0 0 936 648");
        QTest::newRow("image work area") << 2 << true << QStringLiteral("0 0 792 612");
    }

    void theBoundingBoxIsTheRegionInPoints()
    {
        QFETCH(int, region);
        QFETCH(bool, asImage);
        QFETCH(QString, box);
        QVERIFY(Host::instance().loadSceneJson(TestScenes::threeFramesOfDifferentSizes()));
        const QByteArray eps = exportEps(m_dir.filePath(QStringLiteral("region.eps")), region, asImage);
        QVERIFY(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
        QCOMPARE(boundingBox(eps), box);
        QCOMPARE(countOf(eps, QStringLiteral("^%%Page: ")), 1);
        QVERIFY(eps.trimmed().endsWith("%%EOF"));
    }

    // Paths and filled glyph outlines, no picture. librsvg draws SVG text as glyph outlines,
    // so text shows as curves rather than as font text.
    void theVectorTypeHoldsPathsAndNoPicture()
    {
        QVERIFY(Host::instance().setCurrentFrame(3));
        const QByteArray eps = exportEps(m_dir.filePath(QStringLiteral("vector.eps")), 0, false);
        QVERIFY(!eps.isEmpty());
        QVERIFY(countOf(eps, QStringLiteral("\\sl\\s")) > 500);
        QVERIFY(countOf(eps, QStringLiteral("\\sc\\s")) > 500);
        QVERIFY(countOf(eps, QStringLiteral("^S$|\\sS\\s")) > 10);
        QCOMPARE(countOf(eps, QStringLiteral("/ImageType")), 0);
        QVERIFY(nonGreyColours(rgbColours(eps)) > 0);
    }

    void textBecomesGlyphOutlines()
    {
        QBuffer empty;
        QBuffer text;
        for (QBuffer* buffer : {&empty, &text}) {
            QVERIFY(buffer->open(QIODevice::WriteOnly));
            const bool withText = buffer == &text;
            QString error;
            QVERIFY2(PostScriptWriter::write(
                         *buffer, PostScriptWriter::Kind::EncapsulatedPostScript, QSizeF(200, 100), 1,
                         [withText](QPainter& painter, int) {
                             painter.setPen(Qt::black);
                             QFont font(QStringLiteral("DejaVu Sans"));
                             font.setPixelSize(30);
                             painter.setFont(font);
                             if (withText)
                                 painter.drawText(QPointF(20, 60), QStringLiteral("Cp 0.5"));
                         },
                         false, &error),
                     qPrintable(error));
        }
        // Each glyph adds an outline of curves, filled.
        QVERIFY(countOf(text.data(), QStringLiteral("\\sc\\s")) > 20);
        QCOMPARE(countOf(empty.data(), QStringLiteral("\\sc\\s")), 0);
        QCOMPARE(countOf(text.data(), QStringLiteral("/ImageType")), 0);
        // White paper under everything makes the bounding box the page, drawn on or not.
        QCOMPARE(boundingBox(empty.data()), QStringLiteral("0 0 200 100"));
    }

    // At 100 dots per inch the 9 x 6 inch frame is a picture of 900 x 600 pixels.
    void theImageTypeHoldsAPictureOfThePrintResolution()
    {
        QVERIFY(setApplicationStyle("PRINTSETUP", "IMAGERESOLUTION", 100));
        const QByteArray eps = exportEps(m_dir.filePath(QStringLiteral("image.eps")), 0, true);
        QCOMPARE(countOf(eps, QStringLiteral("/ImageType 1")), 1);
        QCOMPARE(countOf(eps, QStringLiteral("/Width 900\\s")), 1);
        QCOMPARE(countOf(eps, QStringLiteral("/Height 600\\s")), 1);
        QCOMPARE(countOf(eps, QStringLiteral("/DeviceRGB")), 1);
        QCOMPARE(boundingBox(eps), QStringLiteral("0 0 648 432"));

        // A resolution that would make a picture of gigapixels is refused.
        QVERIFY(setApplicationStyle("PRINTSETUP", "IMAGERESOLUTION", 20000));
        QVERIFY(exportEps(m_dir.filePath(QStringLiteral("huge.eps")), 2, true).isEmpty());
        QVERIFY(Host::instance().lastExportError().contains(QStringLiteral("megapixels")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("huge.eps"))));
    }

    void aGreyPaletteGivesGreyPostScript()
    {
        QVERIFY(setApplicationStyle("PRINTSETUP", "PALETTE", 0));
        const QByteArray vector = exportEps(m_dir.filePath(QStringLiteral("grey.eps")), 1, false);
        // Cairo sets grey colours with "g" and "G"; any colour left would need "rg" or "RG".
        QCOMPARE(nonGreyColours(rgbColours(vector)), 0);
        QVERIFY(countOf(vector, QStringLiteral("(?:^|\\s)[\\d.]+ (?:g|G)\\b")) > 100);

        QVERIFY(setApplicationStyle("PRINTSETUP", "IMAGERESOLUTION", 50));
        const QByteArray image = exportEps(m_dir.filePath(QStringLiteral("grey.eps")), 1, true);
        QCOMPARE(countOf(image, QStringLiteral("/ImageType 1")), 1);
        QCOMPARE(countOf(image, QStringLiteral("/DeviceGray")), 1);
        QCOMPARE(countOf(image, QStringLiteral("/DeviceRGB")), 0);
    }

    // Gradients and embedded pictures turn grey as well as plain fills and strokes, and the
    // drawing keeps its shapes.
    void theGreyFilterTurnsEveryColourGrey()
    {
        QByteArray svg;
        {
            QBuffer buffer(&svg);
            buffer.open(QIODevice::WriteOnly);
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize(QSize(120, 60));
            generator.setViewBox(QRectF(0, 0, 120, 60));
            QPainter painter(&generator);
            QLinearGradient gradient(0, 0, 40, 0);
            gradient.setColorAt(0, Qt::red);
            gradient.setColorAt(1, Qt::blue);
            painter.fillRect(QRectF(0, 0, 40, 60), gradient);
            painter.setPen(QPen(Qt::green, 3));
            painter.setBrush(QColor(255, 200, 0));
            painter.drawEllipse(QRectF(45, 5, 30, 50));
            QImage picture(20, 20, QImage::Format_RGB32);
            picture.fill(Qt::magenta);
            painter.drawImage(QRectF(90, 20, 20, 20), picture);
        }
        const auto draw = [](const QByteArray& data) {
            QImage image(120, 60, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            QSvgRenderer(data).render(&painter);
            return image;
        };
        const QImage colour = draw(svg);
        const QImage grey = draw(SvgGreyFilter::apply(svg));
        QVERIFY(PictureMeasures::nonGreyPixels(colour) > 2000);
        QCOMPARE(PictureMeasures::nonGreyPixels(grey), 0);
        // The same shapes: the gradient, the ellipse and the picture are all still there.
        for (const QPoint& point : {QPoint(5, 30), QPoint(35, 30), QPoint(60, 30), QPoint(100, 30)})
            QVERIFY2(qGray(grey.pixel(point)) < 250, qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
        QCOMPARE(qGray(grey.pixel(QPoint(100, 30))), qGray(QColor(Qt::magenta).rgb()));
        QCOMPARE(qGray(grey.pixel(QPoint(100, 5))), 255);
    }

    void postScriptHoldsOnePagePerDrawing()
    {
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QList<int> drawn;
        QString error;
        QVERIFY2(PostScriptWriter::write(
                     buffer, PostScriptWriter::Kind::PostScript, QSizeF(612, 792), 3,
                     [&drawn](QPainter& painter, int page) {
                         drawn.append(page);
                         painter.fillRect(QRectF(72, 72, 100 + 50 * page, 50), Qt::blue);
                     },
                     false, &error),
                 qPrintable(error));
        QCOMPARE(drawn, (QList<int>{0, 1, 2}));
        const QByteArray ps = buffer.data();
        QVERIFY(ps.startsWith("%!PS-Adobe-3.0\n"));
        QVERIFY(!ps.contains("EPSF"));
        QVERIFY(ps.contains("%%Pages: 3\n"));
        QCOMPARE(countOf(ps, QStringLiteral("^%%Page: ")), 3);
        QCOMPARE(countOf(ps, QStringLiteral("^showpage$")), 3);
        QCOMPARE(countOf(ps, QStringLiteral("^%%PageBoundingBox: 0 0 612 792$")), 3);
        QCOMPARE(countOf(ps, QStringLiteral("(?:^|\\s)0 0 1 rg\\b")), 3);

        // The same as a picture.
        QBuffer picture;
        QVERIFY(picture.open(QIODevice::WriteOnly));
        QImage image(30, 20, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY2(
            PostScriptWriter::writeImage(picture, PostScriptWriter::Kind::PostScript, QSizeF(300, 200), image, &error),
            qPrintable(error));
        QVERIFY(picture.data().contains("%%Pages: 1\n"));
        QCOMPARE(countOf(picture.data(), QStringLiteral("/Width 30\\s")), 1);
    }

    void failuresAreReportedNotHidden()
    {
        QString error;
        const auto nothing = [](QPainter&, int) {};
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(!PostScriptWriter::write(buffer, PostScriptWriter::Kind::EncapsulatedPostScript, QSizeF(100, 100), 2,
                                         nothing, false, &error));
        QVERIFY2(error.contains(QStringLiteral("one page")), qPrintable(error));
        QVERIFY(!PostScriptWriter::write(buffer, PostScriptWriter::Kind::PostScript, QSizeF(0, 100), 1, nothing, false,
                                         &error));
        QVERIFY(!PostScriptWriter::writeImage(buffer, PostScriptWriter::Kind::PostScript, QSizeF(100, 100), QImage(),
                                              &error));
        QBuffer closed;
        QVERIFY(!PostScriptWriter::write(closed, PostScriptWriter::Kind::PostScript, QSizeF(100, 100), 1, nothing,
                                         false, &error));
        QVERIFY2(error.contains(QStringLiteral("not open")), qPrintable(error));

        for (qint64 room : {qint64(0), qint64(3000)}) {
            FullDevice full(room);
            QVERIFY(full.open(QIODevice::WriteOnly));
            error.clear();
            QVERIFY(!PostScriptWriter::write(
                full, PostScriptWriter::Kind::PostScript, QSizeF(200, 200), 2,
                [](QPainter& painter, int) { painter.drawLine(0, 0, 200, 200); }, false, &error));
            QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestExportEps)
#include "tst_export_eps.moc"
