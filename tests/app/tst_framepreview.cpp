// The workbench's picture of the current frame: drawn off the GUI thread, redrawn once per
// burst of host notifications, and showing what the host's style says.

#include "FramePreview.h"

#include "hostsim/Host.h"
#include "support/StyleWrites.h"

#include <QImage>
#include <QtTest>

using kestrix::hostsim::Host;
using kestrix::workbench::FramePreview;

namespace {

const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Line", "plotType": 3, "variables": ["X", "Y"],
      "zones": [ { "name": "line", "imax": 3, "values": { "X": [0, 1, 2], "Y": [0, 1, 0] } } ],
      "lineMaps": [ { "zone": 1, "x": 1, "y": 2 } ] },
    { "name": "Empty", "plotType": 3 } ] } ],
  "current": { "page": 1, "frame": 1 } })");

// Pixels of a colour, within a small tolerance.
int pixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40
                             && std::abs(pixel.blue() - colour.blue()) < 40
                         ? 1
                         : 0;
        }
    }
    return count;
}

} // namespace

class TestFramePreview : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(Host::instance().loadSceneJson(Scene));
        m_preview = std::make_unique<FramePreview>();
        m_preview->resize(600, 400);
        m_preview->show();
        QTRY_VERIFY(m_preview->shownDrawings() >= 1);
    }

    void cleanup() { m_preview.reset(); }

    void aBurstOfChangesIsDrawnOnce()
    {
        QTest::qWait(100);
        const int before = m_preview->shownDrawings();
        for (int colour = 1; colour <= 20; ++colour)
            kestrix::testing::writeMapStyle({"LINEMAP", "LINES", "COLOR"}, {1}, colour % 4 + 1);
        QTRY_COMPARE(m_preview->shownDrawings(), before + 1);
        QTest::qWait(100);
        QCOMPARE(m_preview->shownDrawings(), before + 1);
    }

    void thePictureShowsTheStyle()
    {
        kestrix::testing::writeMapStyle({"LINEMAP", "LINES", "COLOR"}, {1}, 1);
        QTRY_VERIFY(pixelsOf(m_preview->grab().toImage(), Qt::red) > 50);
        kestrix::testing::writeMapStyle({"LINEMAP", "LINES", "COLOR"}, {1}, 3);
        QTRY_VERIFY(pixelsOf(m_preview->grab().toImage(), Qt::blue) > 50);
        QCOMPARE(pixelsOf(m_preview->grab().toImage(), Qt::red), 0);
    }

    void aFrameSwitchRedraws()
    {
        const int before = m_preview->shownDrawings();
        QVERIFY(Host::instance().setCurrentFrame(2));
        QTRY_VERIFY(m_preview->shownDrawings() > before);
    }

private:
    std::unique_ptr<FramePreview> m_preview;
};

QTEST_MAIN(TestFramePreview)
#include "tst_framepreview.moc"
