#pragma once

#include <kxsdkdialogs_common_qt/DialogInitialization.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>
#include <kxsdkpropertymanager/RelevanceInterface.h>

#include "dialogs/uicontrols/SelectOption.h"

#include <memory>
#include <set>
#include <string>

namespace kestrix::toolbox {
class Set;
class StateChangeEventInterface;
}

namespace kestrix::sdk::ui::dialogs {

// The line-plot tabs that the host may allow.
enum MappingStyleTab_e {
    MappingStyleTab_Definitions = 0,
    MappingStyleTab_Lines = 1,
    MappingStyleTab_Curves = 2,
    MappingStyleTab_Symbols = 3,
    MappingStyleTab_ErrorBars = 4,
    MappingStyleTab_Bars = 5,
    MappingStyleTab_Indices = 6
};

// The modeless spreadsheet of the plot style of every field map (field plots) or line map
// (line plots) of the current frame, one tab per style aspect. One instance per process.
class ZoneStyleDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    // Makes the dialog on the first call; with init 1 it also selects the host's picked maps
    // at the next idle moment.
    static ZoneStyleDialog& getInstance(QWidget& parent, kestrix::dialogs::common::DialogInitialization_e init);
    // The dialog is offered while a data set exists.
    static std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> relevance();
    static void setAvailableMappingStyleTabs(const std::set<MappingStyleTab_e>& tabs);
    static std::set<MappingStyleTab_e> defaultAvailableMappingTabs();

    ~ZoneStyleDialog() override;

private slots:
    void on_plotAttr_FD_PageGroup_currentChanged(int index);
    void on_plotAttr_LP_PageGroup_currentChanged(int index);
    void on_plotAttr_MaptoolsCreateMap_Button_clicked(bool checked = false);
    void on_plotAttr_MaptoolsCopyMap_Button_clicked(bool checked = false);
    void on_plotAttr_MaptoolsDeleteMap_Button_clicked(bool checked = false);
    void on_plotAttr_MaptoolsMoveToTop_Button_clicked(bool checked = false);
    void on_plotAttr_MaptoolsMoveToBottom_Button_clicked(bool checked = false);
    void selectionPatternChanged(const std::string& pattern,
                                 kestrix::sdk::ui::dialogs::uicontrols::SelectOption_s option);
    void headerSectionResized(int logicalIndex, int oldSize, int newSize);

private:
    explicit ZoneStyleDialog(QWidget& parent);

    static ZoneStyleDialog* m_dialogInstance;
    static std::set<MappingStyleTab_e> m_availableMappingTabs;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs
