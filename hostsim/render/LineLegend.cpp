#include "LineLegend.h"

#include "FrameSnapshot.h"
#include "LineMapStyle.h"
#include "LinePlotLayers.h"
#include "LineSymbol.h"

#include <kxsdkbase/Enumerations.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

// Proportions of the legend, relative to its text height.
constexpr double rowSpacing = 1.4;
constexpr double sampleLength = 2.5;
constexpr double padding = 0.5;
// Samples are drawn no thicker than this part of a row, so that rows stay apart.
constexpr double thickestSample = 0.4;
constexpr double largestSymbol = 0.8;
// The legend takes at most this part of the plot area's height and width.
constexpr double tallest = 0.6;
constexpr double widest = 0.6;

} // namespace

std::vector<int> LineLegend::shownMaps(const FrameSnapshot& snapshot)
{
    std::vector<int> result;
    for (int map : snapshot.members({"ACTIVELINEMAPS"})) {
        const long show = snapshot.integer({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, map).value_or(LegendShow_Auto);
        if (show == LegendShow_Always || show == LegendShow_Auto)
            result.push_back(map);
    }
    return result;
}

std::vector<LineLegend::Entry> LineLegend::entries(const FrameSnapshot& snapshot)
{
    std::vector<Entry> result;
    for (int map : shownMaps(snapshot))
        result.push_back({map, QString::fromStdString(snapshot.lineMapName(map))});
    return result;
}

QFont LineLegend::font(double frameHeight)
{
    QFont result(QStringLiteral("Helvetica"));
    result.setPixelSize(std::max(8, static_cast<int>(std::lround(frameHeight * 0.03))));
    return result;
}

QString LineLegend::moreText(std::size_t count)
{
    return QCoreApplication::translate("LineLegend", "+ %n more", nullptr, static_cast<int>(count));
}

LineLegend::Layout LineLegend::layout(const FrameSnapshot& snapshot, const QRectF& area, double frameHeight)
{
    Layout result;
    const std::vector<int> maps = shownMaps(snapshot);
    if (maps.empty())
        return result;
    const QFontMetricsF metrics(font(frameHeight));
    const double text = metrics.height();
    const double room = area.height() * tallest - 2.0 * padding * text;
    const std::size_t fit = static_cast<std::size_t>(std::max(1.0, std::floor(room / (text * rowSpacing))));
    const std::size_t rows = maps.size() <= fit ? maps.size() : fit - 1;
    result.more = maps.size() - rows;
    double longest = 0.0;
    for (std::size_t i = 0; i < rows; ++i) {
        result.rows.push_back({maps[i], QString::fromStdString(snapshot.lineMapName(maps[i]))});
        longest = std::max(longest, metrics.horizontalAdvance(result.rows.back().name));
    }
    if (result.more > 0)
        longest = std::max(longest, metrics.horizontalAdvance(moreText(result.more)));
    const double width = std::min(area.width() * widest, text * (2.0 * padding + sampleLength + 0.5) + longest);
    const double height = text * (2.0 * padding + rowSpacing * static_cast<double>(rows + (result.more > 0 ? 1 : 0)));
    const double inset = text * padding;
    // On whole pixels, so that the box's outline is crisp.
    result.box = QRectF(area.right() - inset - width, area.top() + inset, width, height).toRect();
    return result;
}

QRectF LineLegend::box(const FrameSnapshot& snapshot, const QRectF& area, double frameHeight)
{
    return layout(snapshot, area, frameHeight).box;
}

void LineLegend::paint(QPainter& painter, const FrameSnapshot& snapshot, const QRectF& area,
                       const LinePlotLayers& layers, double frameHeight)
{
    const Layout legend = layout(snapshot, area, frameHeight);
    if (legend.box.isEmpty())
        return;
    painter.save();
    const QFont textFont = font(frameHeight);
    const QFontMetricsF metrics(textFont);
    const double text = metrics.height();
    painter.setFont(textFont);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(legend.box);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(legend.box, Qt::IntersectClip);

    const double sampleLeft = legend.box.left() + text * padding;
    const double textLeft = sampleLeft + text * (sampleLength + 0.5);
    const auto rowMiddle = [&](std::size_t row) {
        return legend.box.top() + text * (padding + rowSpacing * (static_cast<double>(row) + 0.5));
    };
    const auto writeRow = [&](std::size_t row, const QString& words) {
        painter.setPen(Qt::black);
        painter.drawText(QPointF(textLeft, rowMiddle(row) - text / 2.0 + metrics.ascent()), words);
    };
    for (std::size_t row = 0; row < legend.rows.size(); ++row) {
        const double middle = rowMiddle(row);
        LineMapStyle style = LineMapStyle::read(snapshot, legend.rows[row].map, layers);
        if (style.lines.show) {
            QPen pen = style.linePen(frameHeight);
            pen.setWidthF(std::min(pen.widthF(), text * thickestSample));
            painter.setPen(pen);
            painter.drawLine(QPointF(sampleLeft, middle), QPointF(sampleLeft + text * sampleLength, middle));
        }
        if (style.symbols.show) {
            style.symbols.size = std::min(style.symbols.size, 100.0 * text * largestSymbol / frameHeight);
            LineSymbol(style, frameHeight).paint(painter, QPointF(sampleLeft + text * sampleLength / 2.0, middle));
        }
        writeRow(row, legend.rows[row].name);
    }
    if (legend.more > 0)
        writeRow(legend.rows.size(), moreText(legend.more));
    painter.restore();
}

} // namespace kestrix::hostsim::render
