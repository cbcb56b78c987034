// The text fields of the dialogs: every number a user types is read by one of a few parsers,
// each with a range. Byte 0 of the input chooses the field, byte 1 a variant (units, locale,
// value type), the rest is what the user typed, or for the range-limited values the numbers.
//
// Besides not crashing, each field keeps its range and its word: a value it takes lies within
// the field's range, a plain number within the range is taken as it is, a refused text
// changes nothing, and a value the field shows reads back as the same value.

#include "FuzzCheck.h"
#include "FuzzScene.h"

#include "dialogs/export/intern/NumberField.h"
#include "dialogs/fontselect/FontSelectDialog.h"
#include "dialogs/fontselect/RangeLimitedValue.h"
#include "dialogs/fontselect/TextHeight.h"
#include "dialogs/labelpoints/LabelPointsDialog.h"
#include "dialogs/valueformat/ValueFormatDialog.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/StyleColumn.h"
#include "hostsim/Host.h"
#include "propertybindings/Property.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertybindings/intern/StringConverter.h"

#include <exception/ExceptionBase.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/StringList.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using kestrix::InvalidArgumentException;
using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StringList;
using namespace kestrix::sdk::ui::dialogs;

namespace {

// One 3-D frame of two volume zones, whose data labels are in points.
const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Block", "plotType": 1, "variables": ["X", "Y", "Z"],
      "zones": [ { "name": "one", "imax": 3, "jmax": 3, "kmax": 3 }, { "name": "two", "imax": 2, "jmax": 2, "kmax": 2 } ],
      "axes": { "Y1": [-10, 240] },
      "style": [
        { "path": ["GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"], "value": 2 },
        { "path": ["GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT"], "value": 11 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

struct Input {
    std::uint8_t variant = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    QString text() const { return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)); }
    // The payload as numbers, eight bytes each.
    std::vector<double> numbers() const
    {
        std::vector<double> values(size / sizeof(double));
        if (!values.empty())
            std::memcpy(values.data(), data, values.size() * sizeof(double));
        return values;
    }
};

// A number typed as a user of the C locale types it, blanks around it allowed.
std::optional<double> plainNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

double storedDouble(const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr, const char* kw4 = nullptr,
                    int map = -1)
{
    QStringList path;
    for (const char* keyword : {kw1, kw2, kw3, kw4}) {
        if (keyword)
            path.append(QString::fromLatin1(keyword));
    }
    const QVariant value = Host::instance().styleValue(path, map);
    KX_FUZZ_CHECK(value.isValid(), "the host refused to read %s", qPrintable(path.join(QLatin1Char(' '))));
    return value.toDouble();
}

// ---- Range-limited values and text heights --------------------------------------------------

// The four units of text heights first, then units that no text height takes.
const std::array<Units_e, 6> AllUnits{Units_Grid,           Units_Frame,  Units_Point,
                                      Units_AxisPercentage, Units_Screen, Units_Invalid};

void checkRangeLimitedValues(const Input& input)
{
    const std::vector<double> numbers = input.numbers();
    if (numbers.size() < 3)
        return;
    const double value = numbers[0];
    const double minimum = numbers[1];
    const double maximum = numbers[2];
    std::optional<RangeLimitedValue> limited;
    try {
        limited.emplace(value, minimum, maximum);
    } catch (const InvalidArgumentException&) {
    }
    const bool valid = minimum <= maximum && value >= minimum && value <= maximum;
    KX_FUZZ_CHECK(limited.has_value() == valid, "%g in %g..%g was %s", value, minimum, maximum,
                  limited ? "taken" : "refused");

    const Units_e units = AllUnits[input.variant % AllUnits.size()];
    std::optional<TextHeight> height;
    try {
        height.emplace(value, units);
    } catch (const InvalidArgumentException&) {
    }
    const bool validHeight = TextHeight::isValidUnits(units) && value >= TextHeight::minimumHeight(units)
                             && value <= TextHeight::maximumHeight(units);
    KX_FUZZ_CHECK(height.has_value() == validHeight, "height %g in units %d was %s", value, int(units),
                  height ? "taken" : "refused");
    if (!height)
        return;
    for (std::size_t index = 1; index < numbers.size(); ++index) {
        const double before = height->height();
        const bool inRange = height->isValidHeight(numbers[index]);
        try {
            height->setHeight(numbers[index]);
            KX_FUZZ_CHECK(inRange, "height %g taken outside the range", numbers[index]);
        } catch (const InvalidArgumentException&) {
            KX_FUZZ_CHECK(!inRange && height->height() == before, "height %g refused in range", numbers[index]);
        }
        // The host converts through the current frame's size; the height stays in range.
        const Units_e newUnits = AllUnits[(input.variant + index) % 4];
        height->changeUnits(newUnits);
        KX_FUZZ_CHECK(height->units() == newUnits, "units %d instead of %d", int(height->units()), int(newUnits));
        KX_FUZZ_CHECK(height->height() >= TextHeight::minimumHeight(newUnits)
                          && height->height() <= TextHeight::maximumHeight(newUnits),
                      "height %g outside the range of units %d", height->height(), int(newUnits));
    }
}

// ---- Line edits bound to properties -------------------------------------------------------

// A property that takes values within a range only, as the dialogs' validated properties do.
template <typename T> class RangeProperty : public kestrix::Property<T> {
public:
    RangeProperty(T initial, T minimum, T maximum)
        : kestrix::Property<T>(initial), m_minimum(minimum), m_maximum(maximum)
    {
    }
    kestrix::ValidationResult validate(const T& candidate) const override
    {
        if (candidate >= m_minimum && candidate <= m_maximum)
            return {};
        return {false, "out of range"};
    }

private:
    T m_minimum;
    T m_maximum;
};

template <typename T> std::optional<T> converted(const QString& text)
{
    try {
        const propertybindings::intern::StringConverter converter(text.toStdString());
        if constexpr (std::is_same_v<T, int>)
            return converter.toInt();
        else
            return converter.toDouble();
    } catch (const InvalidArgumentException&) {
        return std::nullopt;
    }
}

template <typename T> void checkBoundLineEdit(const QString& text, bool withValidator)
{
    constexpr T Initial = T(5);
    constexpr T Minimum = T(-1000);
    constexpr T Maximum = T(100000);
    auto property = std::make_shared<RangeProperty<T>>(Initial, Minimum, Maximum);
    QLineEdit lineEdit;
    // The owner's validator stays with the binding and has the first word.
    QIntValidator validator(1, 18);
    if (withValidator)
        lineEdit.setValidator(&validator);
    const propertybindings::TextFieldPropertyBinding<T> binding(lineEdit, property);
    lineEdit.setText(text);
    QTest::keyClick(&lineEdit, Qt::Key_Return);

    // As a line edit does on Return, the validator may first fix up text it finds incomplete.
    QString validated = text;
    bool validatorAccepts = true;
    if (withValidator) {
        int position = 0;
        QValidator::State state = validator.validate(validated, position);
        if (state == QValidator::Intermediate) {
            validator.fixup(validated);
            state = validator.validate(validated, position);
        }
        validatorAccepts = state == QValidator::Acceptable;
    }
    const std::optional<T> expected = validatorAccepts ? converted<T>(validated) : std::nullopt;
    const bool taken = expected && *expected >= Minimum && *expected <= Maximum;
    const T value = property->value();
    KX_FUZZ_CHECK(value == (taken ? *expected : Initial), "\"%s\" gave %g", qPrintable(text), double(value));
    if (withValidator && value != Initial)
        KX_FUZZ_CHECK(value >= 1 && value <= 18, "the validator let %g pass", double(value));
    // Whatever the property holds, the line edit shows a text that reads as it.
    KX_FUZZ_CHECK(converted<T>(lineEdit.text()) == value || (taken && lineEdit.text() == text), "\"%s\" shown for %g",
                  qPrintable(lineEdit.text()), double(value));
}

void checkBoundLineEdits(const Input& input)
{
    const QString text = input.text();
    const bool withValidator = input.variant & 2;
    if (input.variant & 1)
        checkBoundLineEdit<int>(text, withValidator);
    else
        checkBoundLineEdit<double>(text, withValidator);
}

// ---- Export and print number fields -------------------------------------------------------

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

void checkNumberFields(const Input& input)
{
    static const std::array<QLocale, 4> Locales{QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                                QLocale(QLocale::German, QLocale::Germany),
                                                QLocale(QLocale::French, QLocale::France)};
    const DefaultLocale locale(Locales[input.variant % Locales.size()]);
    struct Range {
        int minimum;
        int maximum;
    };
    // The image width and resolutions, the supersample factor, the print resolution.
    const Range range = std::array<Range, 3>{{{1, INT_MAX}, {2, 16}, {1, 2400}}}[(input.variant / 4) % 3];
    QLineEdit field;
    field.setText(input.text());
    using exporting::intern::NumberField;

    const std::optional<int> integer = NumberField::integer(field, range.minimum, range.maximum);
    if (integer) {
        KX_FUZZ_CHECK(*integer >= range.minimum && *integer <= range.maximum, "%d outside %d..%d", *integer,
                      range.minimum, range.maximum);
        QLineEdit shown;
        shown.setText(NumberField::integerText(*integer));
        KX_FUZZ_CHECK(NumberField::integer(shown, range.minimum, range.maximum) == integer,
                      "\"%s\" does not read as %d", qPrintable(shown.text()), *integer);
    }
    const std::optional<double> plain = plainNumber(input.text());
    if (plain && *plain == std::floor(*plain) && *plain >= range.minimum && *plain <= range.maximum
        && !input.text().contains(QLatin1Char('.')) && !input.text().contains(QLatin1Char('e'), Qt::CaseInsensitive)
        && !input.text().contains(QLatin1Char('+')))
        KX_FUZZ_CHECK(integer == int(*plain), "\"%s\" did not read as %g", qPrintable(input.text()), *plain);

    const std::optional<double> number = NumberField::positiveNumber(field);
    if (number) {
        KX_FUZZ_CHECK(*number > 0.0 && std::isfinite(*number), "%g is not a positive number", *number);
        QLineEdit shown;
        shown.setText(NumberField::numberText(*number));
        KX_FUZZ_CHECK(NumberField::positiveNumber(shown) == number, "\"%s\" does not read as %.17g",
                      qPrintable(shown.text()), *number);
    }
}

// ---- The font height field ------------------------------------------------------------------

// The dialogs' parent lives as long as the application, for the same reason; the dialogs go
// with it.
QWidget& dialogParent()
{
    static QMainWindow* const window = new QMainWindow;
    if (!window->isVisible())
        window->show();
    return *window;
}

void checkFontHeight(const Input& input)
{
    // Points or frame percent: the units whose heights are typed into the combo box.
    const Units_e units = input.variant & 1 ? Units_Frame : Units_Point;
    KX_FUZZ_CHECK(CheckedStyleValue::returnCodeOk(
                      CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS").set(int(units))),
                  "units not stored");
    KX_FUZZ_CHECK(CheckedStyleValue::returnCodeOk(
                      CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT").set(3.0)),
                  "height not stored");
    FontSelectDialog& dialog =
        FontSelectDialog::getInstance(dialogParent(), StringList("GLOBALSCATTER", "DATALABELS"), -1, true, true);
    dialog.show();
    auto* sizes = dialog.findChild<QComboBox*>(QStringLiteral("fontSelectModal_PointFrameHeight_CmbBox1Text"));
    KX_FUZZ_CHECK(sizes && sizes->lineEdit(), "no height field");
    const QString text = input.text();
    sizes->lineEdit()->setText(text);
    emit sizes->lineEdit()->editingFinished();
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->click();

    const double stored = storedDouble("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT");
    KX_FUZZ_CHECK(stored >= TextHeight::minimumHeight(units) && stored <= TextHeight::maximumHeight(units),
                  "height %g stored for \"%s\"", stored, qPrintable(text));
    const std::optional<double> typed = plainNumber(text);
    if (typed && *typed >= TextHeight::minimumHeight(units) && *typed <= TextHeight::maximumHeight(units)
        && text != QStringLiteral("3"))
        KX_FUZZ_CHECK(stored == *typed, "typed \"%s\", stored %.17g", qPrintable(text), stored);
}

// ---- Sizes typed into the zone style tables -------------------------------------------------

void checkTypedSize(const Input& input)
{
    static ZoneStyleDialog& dialog = []() -> ZoneStyleDialog& {
        ZoneStyleDialog& opened =
            ZoneStyleDialog::getInstance(dialogParent(), kestrix::dialogs::common::DialogInitialization_None);
        opened.launch();
        return opened;
    }();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
    KX_FUZZ_CHECK(tabs, "no field plot tabs");
    tabs->setCurrentWidget(dialog.findChild<QWidget*>(QStringLiteral("plotAttr_FDMesh_Page")));
    QAbstractItemModel* model = tabs->currentWidget()->findChild<QTableView*>()->model();
    int column = -1;
    for (int candidate = 0; candidate < model->columnCount(); ++candidate) {
        if (model->headerData(candidate, Qt::Horizontal).toString() == QLatin1String("Line\nThickness"))
            column = candidate;
    }
    KX_FUZZ_CHECK(column >= 0, "no line thickness column");
    const int map = 1 + input.variant % 2;
    const double before = storedDouble("FIELDMAP", "MESH", "LINETHICKNESS", nullptr, map);
    const QString text = input.text();
    const bool written = model->setData(model->index(map - 1, column), text, Qt::EditRole);
    const double after = storedDouble("FIELDMAP", "MESH", "LINETHICKNESS", nullptr, map);

    const auto& limits = zonestyle::intern::models::SizeLimits::lineThickness();
    if (!written)
        KX_FUZZ_CHECK(after == before, "a refused \"%s\" changed %g to %g", qPrintable(text), before, after);
    KX_FUZZ_CHECK(after >= limits.minimum && after <= limits.maximum, "thickness %g stored for \"%s\"", after,
                  qPrintable(text));
    QString number = text.trimmed();
    if (number.endsWith(QLatin1Char('%')))
        number.chop(1);
    const std::optional<double> typed = plainNumber(number);
    if (typed && *typed >= limits.minimum && *typed <= limits.maximum)
        KX_FUZZ_CHECK(written && after == *typed, "typed \"%s\", stored %.17g", qPrintable(text), after);
}

// ---- Precision and custom label set of the number format ----------------------------------

void storeNumberFormat(const char* keyword, int value)
{
    KX_FUZZ_CHECK(CheckedStyleValue::returnCodeOk(
                      CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "NUMFORMAT", keyword).set(value)),
                  "%s not stored", keyword);
}

// Digits alone: what every validator and locale reads as the same whole number.
std::optional<long long> plainDigits(const QString& text)
{
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toLongLong();
}

void checkNumberFormatFields(const Input& input)
{
    struct Field {
        const char* name;
        const char* keyword;
        int format;
        int minimum;
        int maximum;
    };
    static const std::array<Field, 2> Fields{{{"valueFormatModal_Precision_1Text", "PRECISION", 1, 1, 18},
                                              {"valueFormatModal_CustomSet_1Text", "CUSTOMLABEL", 5, 1, 10}}};
    const Field& field = Fields[input.variant % Fields.size()];
    constexpr int Before = 2;
    storeNumberFormat("FORMATTING", field.format);
    storeNumberFormat(field.keyword, Before);
    ValueFormatDialog& dialog =
        ValueFormatDialog::getInstance(dialogParent(), false, StringList("GLOBALSCATTER", "DATALABELS"), -1, -1);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(field.name));
    KX_FUZZ_CHECK(edit, "no field %s", field.name);
    const QString text = input.text();
    edit->setText(text);
    emit edit->editingFinished();
    dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();

    const double stored = storedDouble("GLOBALSCATTER", "DATALABELS", "NUMFORMAT", field.keyword);
    KX_FUZZ_CHECK(stored == Before || (stored >= field.minimum && stored <= field.maximum), "%s %g stored for \"%s\"",
                  field.keyword, stored, qPrintable(text));
    const std::optional<long long> typed = plainDigits(text);
    if (typed && *typed >= field.minimum && *typed <= field.maximum)
        KX_FUZZ_CHECK(stored == double(*typed), "typed \"%s\", stored %s %g", qPrintable(text), field.keyword, stored);
}

// ---- The index skip of the data labels ----------------------------------------------------

void checkLabelSkip(const Input& input)
{
    static LabelPointsDialog& dialog = []() -> LabelPointsDialog& {
        LabelPointsDialog& opened = LabelPointsDialog::getInstance(dialogParent());
        opened.launch();
        return opened;
    }();
    constexpr int Before = 3;
    KX_FUZZ_CHECK(
        CheckedStyleValue::returnCodeOk(CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "INDEXSKIP").set(Before)),
        "index skip not stored");
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("dataLabels_ShowFieldSkip_1Text"));
    KX_FUZZ_CHECK(edit, "no index skip field");
    const QString text = input.text();
    edit->setText(text);
    emit edit->editingFinished();

    const double stored = storedDouble("GLOBALSCATTER", "DATALABELS", "INDEXSKIP");
    KX_FUZZ_CHECK(stored >= 1 && stored <= INT_MAX, "index skip %g stored for \"%s\"", stored, qPrintable(text));
    const std::optional<long long> typed = plainDigits(text);
    const bool takes = typed && *typed >= 1 && *typed <= INT_MAX;
    if (takes)
        KX_FUZZ_CHECK(stored == double(*typed), "typed \"%s\", stored %g", qPrintable(text), stored);
    // What it took or, having taken nothing, what the host keeps: the field reads as the skip.
    KX_FUZZ_CHECK(edit->text().toInt() == int(stored), "\"%s\" shown for the skip %g", qPrintable(edit->text()),
                  stored);
}

using Check = void (*)(const Input&);
const std::array<Check, 7> Checks{checkRangeLimitedValues, checkBoundLineEdits,     checkNumberFields, checkFontHeight,
                                  checkTypedSize,          checkNumberFormatFields, checkLabelSkip};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    kestrix::fuzzing::startQtApplicationOnScene(argc, argv, Scene);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    QLocale::setDefault(QLocale::c());
    Checks[data[0] % Checks.size()](Input{data[1], data + 2, size - 2});
    return 0;
}
