// Where the frames of an export region lie: the current frame alone, the frames of the page
// tiled in their order, and the paper with that tiling inside its margins; the default export
// width is the region's width at 100 pixels per inch; the page picture paints the region into
// any target.

#include <hostsim/Host.h>
#include <hostsim/export/PageLayout.h>
#include <hostsim/export/PagePicture.h>
#include <kxsdkbase/KernelApi.h>

#include <QImage>
#include <QPainter>
#include <QtTest>

using kestrix::hostsim::Host;
using kestrix::hostsim::exporting::PageLayout;
using kestrix::hostsim::exporting::PagePicture;

namespace {

// Five frames: 9 x 6, 4 x 4, 6 x 3, 2 x 7 and 5 x 1 inches.
const char* const FiveFrames = R"({ "pages": [ { "frames": [
    { "name": "a", "width": 9, "height": 6 },
    { "name": "b", "width": 4, "height": 4 },
    { "name": "c", "width": 6, "height": 3 },
    { "name": "d", "width": 2, "height": 7 },
    { "name": "e", "width": 5, "height": 1 } ] } ], "current": { "page": 1, "frame": 2 } })";

std::vector<PageLayout::FrameBox> boxes(std::initializer_list<QSizeF> sizes)
{
    std::vector<PageLayout::FrameBox> frames;
    UniqueID_t id = 100;
    for (const QSizeF& size : sizes)
        frames.push_back({id++, size});
    return frames;
}

QList<QRectF> rects(const PageLayout& layout)
{
    QList<QRectF> result;
    for (const PageLayout::Place& place : layout.places())
        result.append(place.rectInches);
    return result;
}

// The bounding rectangle of the pixels that are not white.
QRect drawnArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 250)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

class TestExportLayout : public QObject {
    Q_OBJECT
private slots:
    void framesAreTiledInTheirOrder()
    {
        // Three columns (ceil of the square root of 5), two rows; each column as wide as its
        // widest frame (9, 5, 6), each row as high as its highest (6, 7).
        const PageLayout layout = PageLayout::allFrames(boxes({{9, 6}, {4, 4}, {6, 3}, {2, 7}, {5, 1}}));
        QCOMPARE(layout.sizeInches(), QSizeF(20, 13));
        QCOMPARE(rects(layout), (QList<QRectF>{QRectF(0, 0, 9, 6), QRectF(9, 0, 4, 4), QRectF(14, 0, 6, 3),
                                               QRectF(0, 6, 2, 7), QRectF(9, 6, 5, 1)}));
        QCOMPARE(layout.places()[3].frameId, UniqueID_t(103));

        const PageLayout single = PageLayout::allFrames(boxes({{3, 2}}));
        QCOMPARE(single.sizeInches(), QSizeF(3, 2));
        QVERIFY(PageLayout::allFrames({}).isNull());
    }

    void theWorkAreaIsThePaperWithTheFramesInsideItsMargins()
    {
        // Small frames keep their size, centred on the 11 x 8.5 inch paper.
        const PageLayout small = PageLayout::workArea(boxes({{4, 3}, {2, 3}}));
        QCOMPARE(small.sizeInches(), QSizeF(11, 8.5));
        QCOMPARE(rects(small), (QList<QRectF>{QRectF(2.5, 2.75, 4, 3), QRectF(6.5, 2.75, 2, 3)}));

        // Larger tilings shrink to fit 10 x 7.5 inches: 20 x 6 inches by half.
        const PageLayout large = PageLayout::workArea(boxes({{10, 6}, {10, 6}}));
        QCOMPARE(rects(large), (QList<QRectF>{QRectF(0.5, 2.75, 5, 3), QRectF(5.5, 2.75, 5, 3)}));
        QVERIFY(PageLayout::workArea({}).isNull());
    }

    void theKernelsPageGivesTheRegions()
    {
        QVERIFY(Host::instance().loadSceneJson(FiveFrames));
        const PageLayout frame = PageLayout::ofCurrentPage(PagePicture::CurrentFrame);
        QCOMPARE(frame.sizeInches(), QSizeF(4, 4));
        QCOMPARE(frame.places().size(), std::size_t(1));
        QCOMPARE(quint64(frame.places()[0].frameId), Host::instance().framesOfCurrentPage()[1].uniqueId);
        QCOMPARE(PageLayout::ofCurrentPage(PagePicture::AllFrames).sizeInches(), QSizeF(20, 13));
        QCOMPARE(PageLayout::ofCurrentPage(PagePicture::WorkArea).sizeInches(), QSizeF(11, 8.5));
        QVERIFY(PageLayout::ofCurrentPage(3).isNull());
        QVERIFY(PageLayout::ofCurrentPage(-1).isNull());
    }

    void theDefaultWidthIsTheRegionAt100PixelsPerInch()
    {
        QVERIFY(Host::instance().loadSceneJson(FiveFrames));
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0), 400);
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_JPEG, 1), 2000);
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_EPS, 2), 1100);
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 3), 0);
        QVERIFY(Host::instance().setCurrentFrame(1));
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0), 900);

        Host::instance().loadDemoScene();
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0), 900);
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 1), 1800);
        QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 2), 1100);

        Host::instance().clearScene();
        for (int region : {0, 1, 2})
            QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, region), 0);
    }

    void thePicturePaintsTheRegionCentredInAnyTarget()
    {
        Host::instance().loadDemoScene();
        QVERIFY(PagePicture::capture(PagePicture::CurrentFrame).sizeInches() == QSizeF(9, 6));
        const PagePicture picture = PagePicture::capture(PagePicture::AllFrames);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.sizeInches(), QSizeF(18, 12));

        // A square target: 300 x 200 pixels in the middle, the rest untouched.
        QImage square(300, 300, QImage::Format_RGB32);
        square.fill(Qt::white);
        {
            QPainter painter(&square);
            picture.paint(painter, QRectF(0, 0, 300, 300));
        }
        QCOMPARE(drawnArea(square), QRect(0, 50, 300, 200));

        // Frames captured now stay as they were when the scene changes afterwards.
        Host::instance().clearScene();
        QImage again(300, 300, QImage::Format_RGB32);
        again.fill(Qt::white);
        {
            QPainter painter(&again);
            picture.paint(painter, QRectF(0, 0, 300, 300));
        }
        QCOMPARE(again, square);
        for (int region : {0, 1, 2})
            QVERIFY(PagePicture::capture(region).isNull());
    }
};

QTEST_MAIN(TestExportLayout)
#include "tst_export_layout.moc"
