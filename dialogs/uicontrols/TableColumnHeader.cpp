#include "dialogs/uicontrols/TableColumnHeader.h"

#include <QHash>
#include <QPainter>
#include <QVector>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::uicontrols {

namespace {

struct SectionState {
    QVector<int> sizes;
    QVector<int> visualPositions;
};

SectionState captureSectionState(const QHeaderView& header)
{
    SectionState state;
    const int count = header.count();
    state.sizes.reserve(count);
    state.visualPositions.reserve(count);
    for (int section = 0; section < count; ++section) {
        state.sizes.append(header.sectionSize(section));
        state.visualPositions.append(header.visualIndex(section));
    }
    return state;
}

// Sections are placed in logical order, each swapped into its remembered visual position;
// a section placed earlier is never moved again because its position is nobody else's.
void applySectionState(QHeaderView& header, const SectionState& state)
{
    const int count = std::min<int>(header.count(), state.sizes.size());
    for (int section = 0; section < count; ++section) {
        if (state.sizes.at(section) > 0)
            header.resizeSection(section, state.sizes.at(section));
        const int savedPosition = state.visualPositions.at(section);
        const int currentPosition = header.visualIndex(section);
        if (savedPosition >= 0 && savedPosition < header.count() && currentPosition >= 0
            && savedPosition != currentPosition)
            header.swapSections(currentPosition, savedPosition);
    }
}

QString sectionTitle(const QAbstractItemModel* model, int section)
{
    return model ? model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
}

} // namespace

class TableColumnHeader::Private {
public:
    SectionState saved;
};

TableColumnHeader::TableColumnHeader(QAbstractItemModel* model, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), d(std::make_unique<Private>())
{
    setModel(model);
    setStretchLastSection(false);
    setCascadingSectionResizes(false);
    connect(this, &QHeaderView::sectionResized, this, &TableColumnHeader::ensureMinimumSize);
}

TableColumnHeader::~TableColumnHeader() = default;

void TableColumnHeader::setModel(QAbstractItemModel* model)
{
    const SectionState kept = captureSectionState(*this);
    QHeaderView::setModel(model);
    applySectionState(*this, kept);
}

void TableColumnHeader::saveSectionState()
{
    d->saved = captureSectionState(*this);
}

void TableColumnHeader::restoreSectionState()
{
    applySectionState(*this, d->saved);
}

void TableColumnHeader::copySectionSizesFrom(const TableColumnHeader& other)
{
    QHash<QString, int> sizeByTitle;
    for (int section = 0; section < other.count(); ++section) {
        const QString title = sectionTitle(other.model(), section);
        if (!sizeByTitle.contains(title))
            sizeByTitle.insert(title, other.sectionSize(section));
    }
    for (int section = 0; section < count(); ++section) {
        const auto found = sizeByTitle.constFind(sectionTitle(model(), section));
        if (found != sizeByTitle.constEnd())
            resizeSection(section, found.value());
    }
}

void TableColumnHeader::ensureMinimumSize(int logicalIndex, int, int newSize)
{
    if (logicalIndex < 0 || logicalIndex >= count() || isSectionHidden(logicalIndex))
        return;
    const int hint = sectionSizeHint(logicalIndex);
    if (newSize < hint)
        resizeSection(logicalIndex, hint);
}

void TableColumnHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    const QRect area = rect.adjusted(0, 0, -1, 0);
    painter->save();
    painter->fillRect(area, qvariant_cast<QBrush>(model()->headerData(logicalIndex, orientation(), Qt::BackgroundRole)));
    painter->setPen(Qt::white);
    painter->drawText(area, Qt::AlignCenter, sectionTitle(model(), logicalIndex));
    painter->restore();
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
