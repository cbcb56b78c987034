#include "dialogs/zonestyle/intern/actions/MenuBuilder.h"

#include "dialogs/zonestyle/intern/actions/EnterSingleValueAction.h"
#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/models/StyleColumn.h"

#include <QCoreApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("StyleMenu", text);
}

} // namespace

QList<QAction*>* MenuBuilder::yesNo(const QModelIndexList& cells, const StyleKeywords& keywords)
{
    auto* menu = new QList<QAction*>();
    new StyleAction<char>(translated(QT_TRANSLATE_NOOP("StyleMenu", "Yes")), cells, menu, 1, keywords.kw1, keywords.kw2,
                          keywords.kw3, keywords.kw4);
    new StyleAction<char>(translated(QT_TRANSLATE_NOOP("StyleMenu", "No")), cells, menu, 0, keywords.kw1, keywords.kw2,
                          keywords.kw3, keywords.kw4);
    return menu;
}

QList<QAction*>* MenuBuilder::choices(const QModelIndexList& cells, const models::Choices& choices,
                                      const StyleKeywords& keywords)
{
    auto* menu = new QList<QAction*>();
    for (const models::Choice& choice : choices) {
        if (choice.separatorBefore)
            appendSeparator(*menu);
        auto* action = new StyleAction<int>(choice.text, cells, menu, choice.value.toInt(), keywords.kw1, keywords.kw2,
                                            keywords.kw3, keywords.kw4);
        action->setEnabled(choice.enabled);
    }
    return menu;
}

QList<QAction*>* MenuBuilder::sizes(const QModelIndexList& cells, const models::SizeLimits& limits,
                                    const StyleKeywords& keywords)
{
    auto* menu = new QList<QAction*>();
    for (const models::Choice& preset : limits.presets())
        new StyleAction<double>(preset.text, cells, menu, preset.value.toDouble(), keywords.kw1, keywords.kw2,
                                keywords.kw3, keywords.kw4);
    appendSeparator(*menu);
    new EnterSingleValueAction<double>(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter...")), cells, menu,
                                       QCoreApplication::translate("StyleSize", limits.title),
                                       QCoreApplication::translate("StyleSize", limits.label), limits.minimum,
                                       limits.maximum, keywords.kw1, keywords.kw2, keywords.kw3, keywords.kw4);
    return menu;
}

void MenuBuilder::appendSeparator(QList<QAction*>& menu)
{
    auto* separator = new QAction(nullptr);
    separator->setSeparator(true);
    menu.append(separator);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
