#pragma once

// A link of a style table for the view tests: its columns read and write real style values
// of the stand-in host, one value per map (row r is map r + 1), the way the tab models do.

#include "dialogs/zonestyle/intern/models/EditorKind.h"
#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"
#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QAction>
#include <QStringList>
#include <QVector>

#include <functional>
#include <string>

namespace kestrix::testing {

struct TestColumn {
    enum class Type { Integer, Text, Boolean, List, Color };

    QString title;
    Type type = Type::Integer;
    int editorKind = 0;
    int editorParameter = 0;
    // The keywords after the map keyword ("FIELDMAP" or "LINEMAP").
    const char* kw2 = nullptr;
    const char* kw3 = nullptr;
    // The texts of the values 0 .. n - 1 of a list column.
    QStringList choices = {};
};

template <typename RowBase>
class StyleTestLink : public RowBase {
public:
    using ColumnActions = std::function<QList<QAction*>*(QItemSelectionModel*, int)>;

    StyleTestLink(const char* mapKeyword, QVector<TestColumn> columns)
        : RowBase(nullptr), m_mapKeyword(mapKeyword), m_columns(std::move(columns))
    {
    }

    // What the view asked the link to write.
    int writeCount = 0;
    QList<int> writtenRows;
    QVariant writtenValue;
    int writtenRole = -1;
    // Refuses every write, as a model does whose host write fails.
    bool refuseWrites = false;
    // The menu of a column; none by default.
    ColumnActions columnActionsFactory;

    kestrix::toolbox::FrameStyleValue styleValue(int column) const
    {
        const TestColumn& definition = m_columns.at(column);
        return kestrix::toolbox::FrameStyleValue(this->frameId(), m_mapKeyword, definition.kw2, definition.kw3);
    }

    int readInteger(int column, int map) const
    {
        int value = -1;
        styleValue(column).get(value, map);
        return value;
    }
    bool readBoolean(int column, int map) const
    {
        bool value = false;
        styleValue(column).get(value, map);
        return value;
    }
    QString readText(int column, int map) const
    {
        std::string value;
        if (!kestrix::toolbox::StyleValue::returnCodeOk(styleValue(column).get(value, map)))
            return {};
        return QString::fromStdString(value);
    }

protected:
    int ownColumnCount(const QModelIndex&) const override { return m_columns.size(); }
    QVariant ownHeaderData(int section) const override { return m_columns.at(section).title; }
    QBrush ownHeaderBackground(int section) const override
    {
        return section == 0 ? this->staticAreaBrush() : this->secondGroupBrush();
    }
    int ownEditorKind(int column) const override { return m_columns.at(column).editorKind; }
    int ownEditorParameter(int column) const override { return m_columns.at(column).editorParameter; }

    Qt::ItemFlags ownFlags(const QModelIndex& index) const override
    {
        Qt::ItemFlags flags = RowBase::ownFlags(index);
        const TestColumn& definition = m_columns.at(index.column());
        if (definition.type == TestColumn::Type::Boolean)
            flags |= Qt::ItemIsUserCheckable;
        else if (definition.editorKind != 0 && definition.type != TestColumn::Type::Color)
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    QVariant ownData(const QModelIndex& index, int role) const override
    {
        const int column = index.column();
        const int map = index.row() + 1;
        switch (m_columns.at(column).type) {
        case TestColumn::Type::Integer:
            if (role == Qt::DisplayRole || role == Qt::EditRole)
                return QString::number(readInteger(column, map));
            return {};
        case TestColumn::Type::Text:
            if (role == Qt::DisplayRole || role == Qt::EditRole)
                return readText(column, map);
            return {};
        case TestColumn::Type::Boolean:
            if (role == Qt::CheckStateRole)
                return readBoolean(column, map) ? Qt::Checked : Qt::Unchecked;
            return {};
        case TestColumn::Type::List:
            if (role == Qt::DisplayRole)
                return m_columns.at(column).choices.value(readInteger(column, map));
            if (role == Qt::EditRole)
                return m_columns.at(column).choices;
            return {};
        case TestColumn::Type::Color:
            if (role == Qt::DisplayRole || role == Qt::EditRole)
                return this->getColorData(map, m_mapKeyword, m_columns.at(column).kw2, m_columns.at(column).kw3);
            return {};
        }
        return {};
    }

    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role) override
    {
        ++writeCount;
        writtenRows.clear();
        writtenValue = value;
        writtenRole = role;
        kestrix::toolbox::Set maps;
        for (const QModelIndex& index : indexes) {
            writtenRows.append(index.row());
            maps.add(index.row() + 1);
        }
        if (refuseWrites || indexes.isEmpty())
            return false;
        const int column = indexes.first().column();
        const kestrix::toolbox::FrameStyleValue style = styleValue(column);
        switch (m_columns.at(column).type) {
        case TestColumn::Type::Integer: {
            bool ok = false;
            const int number = value.toString().toInt(&ok);
            return ok && kestrix::toolbox::StyleValue::returnCodeOk(style.set(number, &maps));
        }
        case TestColumn::Type::Text:
            return kestrix::toolbox::StyleValue::returnCodeOk(style.set(value.toString().toStdString(), &maps));
        case TestColumn::Type::Boolean:
            return kestrix::toolbox::StyleValue::returnCodeOk(style.set(value.toInt() == Qt::Checked, &maps));
        case TestColumn::Type::List:
            return role == Qt::EditRole && kestrix::toolbox::StyleValue::returnCodeOk(style.set(value.toInt(), &maps));
        case TestColumn::Type::Color:
            return false;
        }
        return false;
    }

    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override
    {
        return columnActionsFactory ? columnActionsFactory(selection, column) : nullptr;
    }

private:
    const char* m_mapKeyword;
    QVector<TestColumn> m_columns;
};

using FieldTestLink = StyleTestLink<kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldModelAbstract>;
using LineTestLink = StyleTestLink<kestrix::sdk::ui::dialogs::zonestyle::intern::models::LineModelAbstract>;

} // namespace kestrix::testing
