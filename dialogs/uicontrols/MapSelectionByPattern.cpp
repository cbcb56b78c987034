#include "dialogs/uicontrols/MapSelectionByPattern.h"

#include "ui_MapSelectionByPattern.h"

#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertymanager/MapSelectionByPatternPropertiesManager.h"

#include <kxsdkpropertybindings_qt/ButtonBinding.h>
#include <kxsdkpropertybindings_qt/LabelPropertyBinding.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QRegularExpression>

#include <vector>

namespace kestrix::sdk::ui::dialogs::uicontrols {

using kestrix::propertybindings::BindingInterface;
using kestrix::propertybindings::ButtonBinding;
using kestrix::propertybindings::LabelPropertyBinding;

class MapSelectionByPattern::Private {
public:
    explicit Private(MapSelectionByPattern& owner);

    void apply(SelectOption_s option);
    // An invalid regular expression matches no name: the field says why in red.
    void markPatternValidity(const QString& pattern);
    void showWholePlaceholder();

    ::Ui::MapSelectionByPattern ui;
    propertymanager::MapSelectionByPatternPropertiesManager manager;
    std::vector<std::shared_ptr<BindingInterface>> bindings;
    QString patternHelp;
    MapSelectionByPattern& q;
};

MapSelectionByPattern::Private::Private(MapSelectionByPattern& owner)
    : q(owner)
{
    ui.setupUi(&q);
    // The label shows the form's text until its owner sets one.
    manager.labelText()->setValue(ui.mapSelectionByPattern_pattern_label->text().toStdString());

    bindings.push_back(std::make_shared<LabelPropertyBinding>(ui.mapSelectionByPattern_pattern_label,
                                                              manager.labelText(),
                                                              kestrix::propertybindings::WidgetUpdateMode_OnCommit));
    // The pattern follows every keystroke, so that the buttons enable as the user types and
    // can be clicked right away.
    bindings.push_back(std::make_shared<propertybindings::TextFieldPropertyBinding<std::string>>(
        *ui.mapSelectionByPattern_pattern_lineEdit, manager.pattern(),
        kestrix::propertybindings::WidgetUpdateMode_Immediate));
    bindings.push_back(std::make_shared<ButtonBinding>(
        *ui.mapSelectionByPattern_apply_button, [this] { q.applyPatternToZones(); }, manager.applyRelevance()));
    bindings.push_back(std::make_shared<ButtonBinding>(
        *ui.mapSelectionByPattern_groups_button, [this] { q.applyPatternToGroups(); }, manager.applyRelevance()));
    bindings.push_back(std::make_shared<ButtonBinding>(
        *ui.mapSelectionByPattern_clear_button, [this] { q.resetPattern(); }, manager.clearRelevance()));

    QObject::connect(ui.mapSelectionByPattern_pattern_lineEdit, &QLineEdit::returnPressed,
                     ui.mapSelectionByPattern_apply_button, &QPushButton::click);
    patternHelp = ui.mapSelectionByPattern_pattern_lineEdit->toolTip();
    showWholePlaceholder();
    QObject::connect(ui.mapSelectionByPattern_pattern_lineEdit, &QLineEdit::textChanged, &q,
                     [this](const QString& pattern) { markPatternValidity(pattern); });
}

// A line edit's size hint holds 17 letters x and its frame; the frame is kept around the
// placeholder instead, with a letter to spare: a text that fits to the pixel is elided.
void MapSelectionByPattern::Private::showWholePlaceholder()
{
    QLineEdit* field = ui.mapSelectionByPattern_pattern_lineEdit;
    field->ensurePolished();
    const QFontMetrics metrics = field->fontMetrics();
    const int frame = field->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    field->setMinimumWidth(metrics.horizontalAdvance(field->placeholderText()) + frame + metrics.averageCharWidth());
}

void MapSelectionByPattern::Private::markPatternValidity(const QString& pattern)
{
    QLineEdit* field = ui.mapSelectionByPattern_pattern_lineEdit;
    const QRegularExpression expression(pattern);
    QPalette palette = field->palette();
    if (expression.isValid()) {
        palette.setColor(QPalette::Text, q.palette().color(QPalette::Text));
        field->setPalette(palette);
        field->setToolTip(patternHelp);
        return;
    }
    palette.setColor(QPalette::Text, Qt::red);
    field->setPalette(palette);
    field->setToolTip(QCoreApplication::translate("MapSelectionByPattern",
                                                  "Not a valid regular expression: %1 (at character %2).")
                          .arg(expression.errorString())
                          .arg(expression.patternErrorOffset() + 1));
}

void MapSelectionByPattern::Private::apply(SelectOption_s option)
{
    Q_EMIT q.patternChanged(manager.pattern()->value(), option);
    manager.selectionChanged()->setValue(false);
    manager.lastAppliedPattern()->setValue(manager.pattern()->value());
}

MapSelectionByPattern::MapSelectionByPattern(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
}

MapSelectionByPattern::~MapSelectionByPattern() = default;

QPushButton* MapSelectionByPattern::applyButton() const
{
    return d->ui.mapSelectionByPattern_apply_button;
}

QPushButton* MapSelectionByPattern::groupsButton() const
{
    return d->ui.mapSelectionByPattern_groups_button;
}

QPushButton* MapSelectionByPattern::clearButton() const
{
    return d->ui.mapSelectionByPattern_clear_button;
}

QLineEdit* MapSelectionByPattern::patternLineEdit() const
{
    return d->ui.mapSelectionByPattern_pattern_lineEdit;
}

void MapSelectionByPattern::setLabelText(const QString& text)
{
    d->manager.labelText()->setValue(text.toStdString());
}

propertymanager::MapSelectionByPatternPropertiesManager& MapSelectionByPattern::propertiesManager() const
{
    return d->manager;
}

void MapSelectionByPattern::applyPatternToZones()
{
    d->apply(SelectOption_MatchNames);
}

void MapSelectionByPattern::applyPatternToGroups()
{
    d->apply(SelectOption_MatchGroups);
}

void MapSelectionByPattern::resetPattern()
{
    propertymanager::MapSelectionByPatternPropertiesManager& manager = d->manager;
    if (manager.pattern()->value().empty())
        return;
    manager.pattern()->setValue(std::string());
    Q_EMIT patternChanged(std::string(), SelectOption_Cleared);
    manager.selectionChanged()->setValue(false);
    manager.lastAppliedPattern()->setValue(manager.pattern()->value());
}

void MapSelectionByPattern::selectionChanged()
{
    d->manager.selectionChanged()->setValue(true);
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
