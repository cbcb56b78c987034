#include "dialogs/uicontrols/TableColumnHeader.h"

#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <memory>

using kestrix::sdk::ui::dialogs::uicontrols::TableColumnHeader;

namespace {

std::unique_ptr<QStandardItemModel> modelWithTitles(const QStringList& titles, const QColor& background = Qt::darkBlue)
{
    auto model = std::make_unique<QStandardItemModel>(3, titles.size());
    model->setHorizontalHeaderLabels(titles);
    for (int column = 0; column < titles.size(); ++column)
        model->setHeaderData(column, Qt::Horizontal, QBrush(background), Qt::BackgroundRole);
    return model;
}

QList<int> sectionSizes(const QHeaderView& header)
{
    QList<int> sizes;
    for (int section = 0; section < header.count(); ++section)
        sizes.append(header.sectionSize(section));
    return sizes;
}

QList<int> logicalOrder(const QHeaderView& header)
{
    QList<int> order;
    for (int position = 0; position < header.count(); ++position)
        order.append(header.logicalIndex(position));
    return order;
}

// The x position of the border between a section and the next, as the user sees it.
int rightBorder(const QHeaderView& header, int logicalIndex)
{
    return header.sectionViewportPosition(logicalIndex) + header.sectionSize(logicalIndex) - 1;
}

} // namespace

class TestTableColumnHeader : public QObject {
    Q_OBJECT

private slots:
    void narrowedSectionSpringsBackToItsTitleWidth();
    void restoreSectionStateBringsBackOrderAndSizes();
    void setModelKeepsSectionSizesAndOrder();
    void copySectionSizesFromTakesWidthsOfEquallyTitledColumns();
    void paintsTitlesInWhiteOnTheModelsColour();
};

void TestTableColumnHeader::narrowedSectionSpringsBackToItsTitleWidth()
{
    auto model = modelWithTitles({QStringLiteral("Zone\nNumber"), QStringLiteral("A rather long\ntitle"),
                                  QStringLiteral("Show\nZone")});
    QTableView view;
    auto* header = new TableColumnHeader(model.get(), &view);
    view.setHorizontalHeader(header);
    view.setModel(model.get());
    view.resize(600, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const int hint = header->sectionSizeHint(1);
    QVERIFY(hint > 20);
    header->resizeSection(1, hint + 40);

    // The user drags the right border of the section far to the left.
    const int border = rightBorder(*header, 1);
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(header->viewport(), QPoint(border - 30, y));
    QTest::mouseMove(header->viewport(), QPoint(header->sectionViewportPosition(1) + 5, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(1) + 5, y));
    QCOMPARE(header->sectionSize(1), hint);

    header->resizeSection(2, 3);
    QCOMPARE(header->sectionSize(2), header->sectionSizeHint(2));
}

void TestTableColumnHeader::restoreSectionStateBringsBackOrderAndSizes()
{
    auto model = modelWithTitles({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    TableColumnHeader header(model.get());
    header.resizeSection(0, 80);
    header.resizeSection(1, 95);
    header.resizeSection(2, 110);
    header.resizeSection(3, 125);
    header.moveSection(3, 0); // D A B C
    header.moveSection(2, 3); // D A C B
    const QList<int> savedOrder = logicalOrder(header);
    const QList<int> savedSizes = sectionSizes(header);
    QCOMPARE(savedOrder, (QList<int>{3, 0, 2, 1}));

    header.saveSectionState();
    header.moveSection(0, 3);
    header.moveSection(1, 2);
    header.resizeSection(0, 150);
    header.resizeSection(2, 60);
    QVERIFY(logicalOrder(header) != savedOrder);

    header.restoreSectionState();
    QCOMPARE(logicalOrder(header), savedOrder);
    QCOMPARE(sectionSizes(header), savedSizes);
}

void TestTableColumnHeader::setModelKeepsSectionSizesAndOrder()
{
    auto first = modelWithTitles({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    auto second = modelWithTitles({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
    TableColumnHeader header(first.get());
    header.resizeSection(0, 70);
    header.resizeSection(1, 90);
    header.resizeSection(2, 130);
    header.moveSection(2, 0);
    const QList<int> order = logicalOrder(header);
    const QList<int> sizes = sectionSizes(header);

    header.setModel(second.get());
    QCOMPARE(header.model(), second.get());
    QCOMPARE(logicalOrder(header), order);
    QCOMPARE(sectionSizes(header), sizes);
}

void TestTableColumnHeader::copySectionSizesFromTakesWidthsOfEquallyTitledColumns()
{
    auto otherModel = modelWithTitles({QStringLiteral("Zone\nNumber"), QStringLiteral("Show\nMesh"),
                                       QStringLiteral("Zone\nName"), QStringLiteral("Show\nMesh")});
    auto ownModel = modelWithTitles({QStringLiteral("Zone\nName"), QStringLiteral("Contour\nType"),
                                     QStringLiteral("Show\nMesh"), QStringLiteral("Zone\nNumber")});
    TableColumnHeader other(otherModel.get());
    other.resizeSection(0, 71);
    other.resizeSection(1, 83);
    other.resizeSection(2, 97);
    other.resizeSection(3, 140);
    TableColumnHeader header(ownModel.get());
    header.resizeSection(1, 66);

    header.copySectionSizesFrom(other);
    QCOMPARE(header.sectionSize(0), 97);
    QCOMPARE(header.sectionSize(1), 66);
    // The first of two equal titles wins.
    QCOMPARE(header.sectionSize(2), 83);
    QCOMPARE(header.sectionSize(3), 71);
}

void TestTableColumnHeader::paintsTitlesInWhiteOnTheModelsColour()
{
    const QColor background(QStringLiteral("#1F731C"));
    auto model = modelWithTitles({QStringLiteral("Show\nZone"), QStringLiteral("Line\nThickness")}, background);
    QTableView view;
    auto* header = new TableColumnHeader(model.get(), &view);
    view.setHorizontalHeader(header);
    view.setModel(model.get());
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QImage image = header->grab().toImage();
    const int left = header->sectionViewportPosition(0);
    const int width = header->sectionSize(0);
    QCOMPARE(image.pixelColor(left + 1, 1).rgb(), background.rgb());
    // The title takes two lines: white in the upper and in the lower half of the section.
    auto hasWhite = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < left + width - 1; ++x) {
                if (image.pixelColor(x, y).lightness() > 230)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(hasWhite(0, header->height() / 2));
    QVERIFY(hasWhite(header->height() / 2, header->height()));
    // One pixel at the right end of each section keeps the header's own background.
    QVERIFY(image.pixelColor(left + width - 1, 1).rgb() != background.rgb());
}

QTEST_MAIN(TestTableColumnHeader)
#include "tst_tablecolumnheader.moc"
