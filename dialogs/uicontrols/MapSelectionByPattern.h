#pragma once

#include "dialogs/uicontrols/SelectOption.h"

#include <QWidget>

#include <memory>
#include <string>

class QLineEdit;
class QPushButton;

namespace kestrix::sdk::ui::propertymanager {
class MapSelectionByPatternPropertiesManager;
}

namespace kestrix::sdk::ui::dialogs::uicontrols {

// The filter row under the style table: a pattern field and the buttons that apply the
// pattern to the map names ("Zones") or to the group numbers ("Groups"), or clear it. Its
// state lives in a properties manager that the widgets are bound to; the apply buttons are
// enabled while applying would change something, the clear button while there is a pattern.
class MapSelectionByPattern : public QWidget {
    Q_OBJECT
public:
    explicit MapSelectionByPattern(QWidget* parent = nullptr);
    ~MapSelectionByPattern() override;

    QPushButton* applyButton() const;
    QPushButton* groupsButton() const;
    QPushButton* clearButton() const;
    QLineEdit* patternLineEdit() const;

    // Sets the label text property; the label follows it.
    void setLabelText(const QString& text);
    propertymanager::MapSelectionByPatternPropertiesManager& propertiesManager() const;

public Q_SLOTS:
    void applyPatternToZones();
    void applyPatternToGroups();
    void resetPattern();
    // The table selection changed: applying the same pattern again makes sense.
    void selectionChanged();

Q_SIGNALS:
    void patternChanged(const std::string& newPattern, kestrix::sdk::ui::dialogs::uicontrols::SelectOption_s option);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
