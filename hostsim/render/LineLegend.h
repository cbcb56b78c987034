#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LinePlotLayers;

// The legend of a line frame: a box at the top right of the plot area listing the active maps
// shown in the legend by their resolved names, each with a sample of its line and symbol.
// When the entries do not fit, the last row counts those left out.
class LineLegend {
public:
    struct Entry {
        int map = 0;
        QString name;
    };

    // The active maps whose legend setting is "always" or "auto", in map order.
    static std::vector<Entry> entries(const FrameSnapshot& snapshot);
    // Where the legend box lies for a plot area in a frame `frameHeight` pixels tall; empty when
    // no map is shown in the legend.
    static QRectF box(const FrameSnapshot& snapshot, const QRectF& area, double frameHeight);
    static void paint(QPainter& painter, const FrameSnapshot& snapshot, const QRectF& area,
                      const LinePlotLayers& layers, double frameHeight);

private:
    struct Layout {
        // The entries with a row of their own; names are resolved for these only.
        std::vector<Entry> rows;
        // Entries left out for want of room, counted on a last row.
        std::size_t more = 0;
        QRectF box;
    };

    static Layout layout(const FrameSnapshot& snapshot, const QRectF& area, double frameHeight);
    static std::vector<int> shownMaps(const FrameSnapshot& snapshot);
    static QFont font(double frameHeight);
    static QString moreText(std::size_t count);
};

} // namespace kestrix::hostsim::render
