#include "SceneLoader.h"

#include "KernelHandles.h"
#include "StyleEngine.h"

#include <kxsdkbase/Enumerations.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <set>

namespace kestrix::hostsim::kernel {

namespace {

constexpr long MaxIndex = 100000000L;

struct LoadError {
    QString message;
};

[[noreturn]] void fail(const QString& place, const QString& problem)
{
    throw LoadError{place + QLatin1String(": ") + problem};
}

QString describe(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QJsonValue::String:
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("nothing");
    }
}

QString member(const QString& place, const char* key)
{
    return place.isEmpty() ? QString::fromLatin1(key) : place + QLatin1Char('.') + QLatin1String(key);
}

QString element(const QString& place, qsizetype index)
{
    return place + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

void checkKeys(const QJsonObject& object, const QString& place, std::initializer_list<const char*> allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const char* key : allowed)
            known = known || it.key() == QLatin1String(key);
        if (!known)
            fail(place.isEmpty() ? it.key() : place + QLatin1Char('.') + it.key(), QStringLiteral("unknown key"));
    }
}

QJsonObject toObject(const QJsonValue& value, const QString& place)
{
    if (!value.isObject())
        fail(place, QStringLiteral("expected an object, got ") + describe(value));
    return value.toObject();
}

QJsonArray toArray(const QJsonValue& value, const QString& place)
{
    if (!value.isArray())
        fail(place, QStringLiteral("expected an array, got ") + describe(value));
    return value.toArray();
}

std::string toString(const QJsonValue& value, const QString& place)
{
    if (!value.isString())
        fail(place, QStringLiteral("expected a text, got ") + describe(value));
    return value.toString().toStdString();
}

bool toBool(const QJsonValue& value, const QString& place)
{
    if (!value.isBool())
        fail(place, QStringLiteral("expected true or false, got ") + describe(value));
    return value.toBool();
}

long toInteger(const QJsonValue& value, const QString& place, long minimum, long maximum)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < static_cast<double>(minimum)
        || number > static_cast<double>(maximum))
        fail(
            place,
            QStringLiteral("expected an integer from %1 to %2, got %3").arg(minimum).arg(maximum).arg(describe(value)));
    return static_cast<long>(number);
}

double toNumber(const QJsonValue& value, const QString& place)
{
    if (!value.isDouble())
        fail(place, QStringLiteral("expected a number, got ") + describe(value));
    return value.toDouble();
}

// Numbers 1..count, each at most once.
std::vector<int> toNumbers(const QJsonValue& value, const QString& place, int count, const char* what)
{
    const QJsonArray array = toArray(value, place);
    std::vector<int> numbers;
    std::set<int> seen;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString itemPlace = element(place, i);
        const double number = array.at(i).toDouble();
        if (!array.at(i).isDouble() || std::floor(number) != number)
            fail(itemPlace,
                 QStringLiteral("expected a %1 number, got %2").arg(QLatin1String(what), describe(array.at(i))));
        if (number < 1 || number > count)
            fail(itemPlace,
                 QStringLiteral("%1 %2 does not exist (there are %3)").arg(QLatin1String(what)).arg(number).arg(count));
        if (!seen.insert(static_cast<int>(number)).second)
            fail(itemPlace, QStringLiteral("%1 %2 is listed twice").arg(QLatin1String(what)).arg(number));
        numbers.push_back(static_cast<int>(number));
    }
    return numbers;
}

std::vector<bool> flags(const std::vector<int>& numbers, int count)
{
    std::vector<bool> result(static_cast<std::size_t>(count), false);
    for (int number : numbers)
        result[static_cast<std::size_t>(number - 1)] = true;
    return result;
}

QString styleProblem(SetValueReturnCode_e code, const StyleSchemaEntry& entry)
{
    switch (code) {
    case SetValue_ValueRangeError:
        return QStringLiteral("value out of range for %1").arg(QString::fromStdString(entry.text));
    case SetValue_ValueSyntaxError:
        return QStringLiteral("value of the wrong type for %1").arg(QString::fromStdString(entry.text));
    case SetValue_InvalidVarOrZone:
        return QStringLiteral("no such variable, zone or map for %1").arg(QString::fromStdString(entry.text));
    case SetValue_AssignOpError:
        return QStringLiteral("assignment operator not allowed for %1").arg(QString::fromStdString(entry.text));
    case SetValue_NoAttachedDatasetError:
        return QStringLiteral("the frame has no data set");
    case SetValue_ContextError1:
        return QStringLiteral("offsets not valid for %1").arg(QString::fromStdString(entry.text));
    case SetValue_InvalidCommandOption:
        return QStringLiteral("%1 is not a per-map setting; objects are not allowed")
            .arg(QString::fromStdString(entry.text));
    default:
        return QStringLiteral("refused (code %1)").arg(code);
    }
}

class Loader {
public:
    explicit Loader(Scene& scene) : m_scene(scene) {}

    void loadScene(const QJsonObject& root)
    {
        checkKeys(root, QString(), {"pages", "current", "pickList", "style"});
        if (!root.contains(QLatin1String("pages")))
            fail(QStringLiteral("pages"), QStringLiteral("missing"));
        const QJsonArray pages = toArray(root.value(QLatin1String("pages")), QStringLiteral("pages"));
        for (qsizetype p = 0; p < pages.size(); ++p)
            loadPage(pages.at(p), element(QStringLiteral("pages"), p));
        loadCurrent(root);
        if (root.contains(QLatin1String("style")))
            loadStyleList(root.value(QLatin1String("style")), QStringLiteral("style"), nullptr);
        if (root.contains(QLatin1String("pickList")))
            loadPickList(root.value(QLatin1String("pickList")), QStringLiteral("pickList"));
    }

private:
    void loadPage(const QJsonValue& value, const QString& place)
    {
        const QJsonObject object = toObject(value, place);
        checkKeys(object, place, {"name", "frames"});
        m_scene.pages.emplace_back();
        if (object.contains(QLatin1String("name")))
            m_scene.pages.back().name = toString(object.value(QLatin1String("name")), member(place, "name"));
        if (!object.contains(QLatin1String("frames")))
            return;
        const QJsonArray frames = toArray(object.value(QLatin1String("frames")), member(place, "frames"));
        for (qsizetype f = 0; f < frames.size(); ++f)
            loadFrame(frames.at(f), element(member(place, "frames"), f));
    }

    void loadFrame(const QJsonValue& value, const QString& place)
    {
        const QJsonObject object = toObject(value, place);
        checkKeys(object, place,
                  {"name", "plotType", "variables", "zones", "fieldMaps", "lineMaps", "activeFieldMaps",
                   "activeLineMaps", "enabledZones", "enabledVariables", "axes", "width", "height", "style"});
        Page& page = m_scene.pages.back();
        page.frames.push_back(std::make_unique<Frame>());
        Frame& frame = *page.frames.back();
        frame.id = nextFrameId();
        frame.name = object.contains(QLatin1String("name"))
                         ? toString(object.value(QLatin1String("name")), member(place, "name"))
                         : "Frame " + std::to_string(page.frames.size());
        if (object.contains(QLatin1String("plotType")))
            frame.plotType =
                static_cast<int>(toInteger(object.value(QLatin1String("plotType")), member(place, "plotType"),
                                           PlotType_Automatic, PlotType_PolarLine));
        for (auto [key, size] : {std::pair{"width", &frame.widthInches}, std::pair{"height", &frame.heightInches}}) {
            if (!object.contains(QLatin1String(key)))
                continue;
            *size = toNumber(object.value(QLatin1String(key)), member(place, key));
            if (!(*size >= 0.1 && *size <= 1000.0))
                fail(member(place, key), QStringLiteral("a frame size is 0.1 to 1000 inches"));
        }

        if (object.contains(QLatin1String("variables"))) {
            const QString variablesPlace = member(place, "variables");
            const QJsonArray variables = toArray(object.value(QLatin1String("variables")), variablesPlace);
            for (qsizetype v = 0; v < variables.size(); ++v)
                frame.variables.push_back(toString(variables.at(v), element(variablesPlace, v)));
        }
        if (!frame.hasDataSet()) {
            for (const char* key : {"zones", "fieldMaps", "lineMaps", "activeFieldMaps", "activeLineMaps",
                                    "enabledZones", "enabledVariables"}) {
                if (object.contains(QLatin1String(key)))
                    fail(member(place, key), QStringLiteral("a frame without variables has no data set"));
            }
        }
        if (object.contains(QLatin1String("zones"))) {
            const QString zonesPlace = member(place, "zones");
            const QJsonArray zones = toArray(object.value(QLatin1String("zones")), zonesPlace);
            for (qsizetype z = 0; z < zones.size(); ++z)
                loadZone(frame, zones.at(z), element(zonesPlace, z));
        }
        loadFieldMaps(frame, object, place);
        loadLineMaps(frame, object, place);

        frame.zoneEnabled.assign(frame.zones.size(), true);
        frame.variableEnabled.assign(frame.variables.size(), true);
        if (object.contains(QLatin1String("enabledZones")))
            frame.zoneEnabled = flags(toNumbers(object.value(QLatin1String("enabledZones")),
                                                member(place, "enabledZones"), frame.zoneCount(), "zone"),
                                      frame.zoneCount());
        if (object.contains(QLatin1String("enabledVariables")))
            frame.variableEnabled =
                flags(toNumbers(object.value(QLatin1String("enabledVariables")), member(place, "enabledVariables"),
                                frame.variableCount(), "variable"),
                      frame.variableCount());
        if (object.contains(QLatin1String("activeFieldMaps"))) {
            const std::vector<bool> active =
                flags(toNumbers(object.value(QLatin1String("activeFieldMaps")), member(place, "activeFieldMaps"),
                                frame.fieldMapCount(), "field map"),
                      frame.fieldMapCount());
            for (std::size_t m = 0; m < active.size(); ++m)
                frame.fieldMaps[m].active = active[m];
        }
        if (object.contains(QLatin1String("activeLineMaps"))) {
            const std::vector<bool> active =
                flags(toNumbers(object.value(QLatin1String("activeLineMaps")), member(place, "activeLineMaps"),
                                frame.lineMapCount(), "line map"),
                      frame.lineMapCount());
            for (std::size_t m = 0; m < active.size(); ++m)
                frame.lineMaps[m].active = active[m];
        }
        if (object.contains(QLatin1String("axes")))
            loadAxes(frame, object.value(QLatin1String("axes")), member(place, "axes"));
        frame.indexZones();
        m_scene.index(frame);
        if (object.contains(QLatin1String("style")))
            loadStyleList(object.value(QLatin1String("style")), member(place, "style"), &frame);
    }

    void loadZone(Frame& frame, const QJsonValue& value, const QString& place)
    {
        const QJsonObject object = toObject(value, place);
        Zone zone;
        zone.ordered = !object.contains(QLatin1String("ordered"))
                       || toBool(object.value(QLatin1String("ordered")), member(place, "ordered"));
        if (zone.ordered) {
            checkKeys(object, place, {"name", "ordered", "imax", "jmax", "kmax", "volume", "values"});
            zone.iMax = optionalIndex(object, place, "imax");
            zone.jMax = optionalIndex(object, place, "jmax");
            zone.kMax = optionalIndex(object, place, "kmax");
            // The node count is their product: beyond the nodes a finite-element zone may have,
            // it would soon no longer fit the kernel's integers.
            if (zone.jMax * zone.kMax > MaxIndex / zone.iMax)
                fail(place, QStringLiteral("expected at most %1 nodes (imax x jmax x kmax), got %2 x %3 x %4")
                                .arg(MaxIndex)
                                .arg(zone.iMax)
                                .arg(zone.jMax)
                                .arg(zone.kMax));
        } else {
            checkKeys(object, place, {"name", "ordered", "nodes", "elements", "connectivity", "volume", "values"});
            for (const char* key : {"nodes", "elements"}) {
                if (!object.contains(QLatin1String(key)))
                    fail(member(place, key),
                         QStringLiteral("missing (a finite-element zone needs nodes and elements)"));
            }
            zone.iMax = toInteger(object.value(QLatin1String("nodes")), member(place, "nodes"), 1, MaxIndex);
            zone.jMax = toInteger(object.value(QLatin1String("elements")), member(place, "elements"), 1, MaxIndex);
        }
        zone.name = object.contains(QLatin1String("name"))
                        ? toString(object.value(QLatin1String("name")), member(place, "name"))
                        : "Zone " + std::to_string(frame.zones.size() + 1);
        const bool threeDimensional = zone.iMax > 1 && zone.jMax > 1 && zone.kMax > 1;
        zone.volume = zone.ordered && threeDimensional;
        if (object.contains(QLatin1String("volume"))) {
            zone.volume = toBool(object.value(QLatin1String("volume")), member(place, "volume"));
            if (zone.volume && zone.ordered && !threeDimensional)
                fail(member(place, "volume"),
                     QStringLiteral("an ordered volume zone needs imax, jmax and kmax above 1"));
        }
        if (!zone.ordered)
            zone.kMax = zone.volume ? 4 : 3;
        if (object.contains(QLatin1String("connectivity")))
            loadConnectivity(zone, object.value(QLatin1String("connectivity")), member(place, "connectivity"));
        if (object.contains(QLatin1String("values")))
            loadValues(frame, zone, object.value(QLatin1String("values")), member(place, "values"));
        frame.zones.push_back(std::move(zone));
    }

    static long optionalIndex(const QJsonObject& object, const QString& place, const char* key)
    {
        if (!object.contains(QLatin1String(key)))
            return 1;
        return toInteger(object.value(QLatin1String(key)), member(place, key), 1, MaxIndex);
    }

    // Surface zones take triangles and quadrilaterals, volume zones tetrahedra or bricks: the
    // element types that the kernel's finite-element zones know.
    static void loadConnectivity(Zone& zone, const QJsonValue& value, const QString& place)
    {
        const QJsonArray elements = toArray(value, place);
        if (elements.size() != zone.jMax)
            fail(place, QStringLiteral("expected %1 elements (the zone's element count), got %2")
                            .arg(zone.jMax)
                            .arg(elements.size()));
        qsizetype stride = 0;
        for (qsizetype e = 0; e < elements.size(); ++e) {
            const QString elementPlace = element(place, e);
            const qsizetype size = toArray(elements.at(e), elementPlace).size();
            if (zone.volume && size != 4 && size != 8)
                fail(elementPlace,
                     QStringLiteral("a volume element has 4 nodes (tetrahedron) or 8 (brick), got %1").arg(size));
            if (!zone.volume && size != 3 && size != 4)
                fail(elementPlace,
                     QStringLiteral("a surface element has 3 nodes (triangle) or 4 (quadrilateral), got %1").arg(size));
            if (zone.volume && stride != 0 && size != stride)
                fail(elementPlace, QStringLiteral("tetrahedra and bricks cannot be mixed in one zone"));
            stride = std::max(stride, size);
        }
        zone.kMax = static_cast<long>(stride);
        zone.connectivity.reserve(static_cast<std::size_t>(stride * elements.size()));
        for (qsizetype e = 0; e < elements.size(); ++e) {
            const QString elementPlace = element(place, e);
            const QJsonArray nodes = elements.at(e).toArray();
            for (qsizetype n = 0; n < nodes.size(); ++n)
                zone.connectivity.push_back(
                    static_cast<int>(toInteger(nodes.at(n), element(elementPlace, n), 1, zone.iMax) - 1));
            for (qsizetype n = nodes.size(); n < stride; ++n)
                zone.connectivity.push_back(zone.connectivity.back());
        }
    }

    static void loadValues(const Frame& frame, Zone& zone, const QJsonValue& value, const QString& place)
    {
        const QJsonObject object = toObject(value, place);
        zone.values.assign(frame.variables.size(), {});
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString valuesPlace = place + QLatin1Char('.') + it.key();
            const auto var = std::find(frame.variables.begin(), frame.variables.end(), it.key().toStdString());
            if (var == frame.variables.end())
                fail(valuesPlace, QStringLiteral("no variable of this name"));
            const QJsonArray numbers = toArray(it.value(), valuesPlace);
            if (numbers.size() != zone.nodeCount())
                fail(valuesPlace, QStringLiteral("expected %1 values (one per node), got %2")
                                      .arg(zone.nodeCount())
                                      .arg(numbers.size()));
            std::vector<double>& target = zone.values[static_cast<std::size_t>(var - frame.variables.begin())];
            for (qsizetype i = 0; i < numbers.size(); ++i)
                target.push_back(toNumber(numbers.at(i), element(valuesPlace, i)));
        }
    }

    void loadFieldMaps(Frame& frame, const QJsonObject& object, const QString& place)
    {
        if (!object.contains(QLatin1String("fieldMaps"))) {
            for (int zone = 1; zone <= frame.zoneCount(); ++zone) {
                FieldMap map;
                map.zones = {zone};
                frame.fieldMaps.push_back(std::move(map));
            }
            return;
        }
        const QString mapsPlace = member(place, "fieldMaps");
        const QJsonArray maps = toArray(object.value(QLatin1String("fieldMaps")), mapsPlace);
        std::vector<int> owner(frame.zones.size(), 0);
        for (qsizetype m = 0; m < maps.size(); ++m) {
            const QString mapPlace = element(mapsPlace, m);
            const QJsonObject mapObject = toObject(maps.at(m), mapPlace);
            checkKeys(mapObject, mapPlace, {"zones", "mode"});
            if (!mapObject.contains(QLatin1String("zones")))
                fail(member(mapPlace, "zones"), QStringLiteral("missing"));
            FieldMap map;
            map.zones = toNumbers(mapObject.value(QLatin1String("zones")), member(mapPlace, "zones"), frame.zoneCount(),
                                  "zone");
            if (map.zones.empty())
                fail(member(mapPlace, "zones"), QStringLiteral("a field map needs at least one zone"));
            for (std::size_t z = 0; z < map.zones.size(); ++z) {
                int& mapOfZone = owner[static_cast<std::size_t>(map.zones[z] - 1)];
                if (mapOfZone != 0)
                    fail(element(member(mapPlace, "zones"), static_cast<qsizetype>(z)),
                         QStringLiteral("zone %1 already belongs to field map %2").arg(map.zones[z]).arg(mapOfZone));
                mapOfZone = static_cast<int>(m) + 1;
            }
            std::sort(map.zones.begin(), map.zones.end());
            map.mode = mapObject.contains(QLatin1String("mode")) ? static_cast<int>(
                           toInteger(mapObject.value(QLatin1String("mode")), member(mapPlace, "mode"), 0, 1))
                                                                 : (map.zones.size() > 1 ? 0 : 1);
            frame.fieldMaps.push_back(std::move(map));
        }
        for (std::size_t z = 0; z < owner.size(); ++z) {
            if (owner[z] == 0)
                fail(mapsPlace, QStringLiteral("zone %1 belongs to no field map").arg(z + 1));
        }
    }

    void loadLineMaps(Frame& frame, const QJsonObject& object, const QString& place)
    {
        if (!object.contains(QLatin1String("lineMaps")))
            return;
        const StyleSchema& schema = StyleSchema::instance();
        const StyleSchemaEntry& nameEntry = *schema.find({"LINEMAP", "NAME"});
        const StyleSchemaEntry& zoneEntry = *schema.find({"LINEMAP", "ASSIGN", "ZONE"});
        const StyleSchemaEntry& xEntry = *schema.find({"LINEMAP", "ASSIGN", "XAXISVAR"});
        const StyleSchemaEntry& yEntry = *schema.find({"LINEMAP", "ASSIGN", "YAXISVAR"});
        const QString mapsPlace = member(place, "lineMaps");
        const QJsonArray maps = toArray(object.value(QLatin1String("lineMaps")), mapsPlace);
        for (qsizetype m = 0; m < maps.size(); ++m) {
            const QString mapPlace = element(mapsPlace, m);
            const QJsonObject mapObject = toObject(maps.at(m), mapPlace);
            checkKeys(mapObject, mapPlace, {"name", "zone", "x", "y"});
            if (frame.zones.empty())
                fail(mapPlace, QStringLiteral("a line map needs a zone, and the frame has none"));
            const auto number = [&](const char* key, long fallback, long count, const char* what) {
                if (!mapObject.contains(QLatin1String(key)))
                    return fallback;
                const QJsonValue value = mapObject.value(QLatin1String(key));
                const long result = toInteger(value, member(mapPlace, key), 1, MaxIndex);
                if (result > count)
                    fail(member(mapPlace, key), QStringLiteral("%1 %2 does not exist (there are %3)")
                                                    .arg(QLatin1String(what))
                                                    .arg(result)
                                                    .arg(count));
                return result;
            };
            LineMap map;
            const auto store = [&map](const StyleSchemaEntry& entry, StyleData value) {
                if (value != entry.defaultValue)
                    map.style.set(entry.slot, std::move(value));
            };
            if (mapObject.contains(QLatin1String("name")))
                store(nameEntry, toString(mapObject.value(QLatin1String("name")), member(mapPlace, "name")));
            store(zoneEntry, number("zone", 1, frame.zoneCount(), "zone"));
            store(xEntry, number("x", 1, frame.variableCount(), "variable"));
            store(yEntry, number("y", std::min(2L, static_cast<long>(frame.variableCount())), frame.variableCount(),
                                 "variable"));
            frame.lineMaps.push_back(std::move(map));
        }
    }

    static void loadAxes(Frame& frame, const QJsonValue& value, const QString& place)
    {
        const QJsonObject object = toObject(value, place);
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString axisPlace = place + QLatin1Char('.') + it.key();
            const QString key = it.key();
            bool numberOk = false;
            const int number = key.mid(1).toInt(&numberOk);
            if (key.size() < 2 || (key.at(0) != QLatin1Char('X') && key.at(0) != QLatin1Char('Y')) || !numberOk
                || number < 1 || number > 5)
                fail(axisPlace, QStringLiteral("unknown axis (X1 to X5, Y1 to Y5)"));
            const QJsonArray range = toArray(it.value(), axisPlace);
            if (range.size() != 2)
                fail(axisPlace, QStringLiteral("expected [minimum, maximum]"));
            AxisRange axis;
            axis.minimum = toNumber(range.at(0), element(axisPlace, 0));
            axis.maximum = toNumber(range.at(1), element(axisPlace, 1));
            if (!(axis.minimum < axis.maximum))
                fail(axisPlace, QStringLiteral("the minimum must be below the maximum"));
            frame.axes[{key.at(0).toLatin1(), number}] = axis;
        }
    }

    void loadStyleList(const QJsonValue& value, const QString& place, Frame* frame)
    {
        const QJsonArray entries = toArray(value, place);
        for (qsizetype i = 0; i < entries.size(); ++i)
            loadStyle(entries.at(i), element(place, i), frame);
    }

    void loadStyle(const QJsonValue& value, const QString& place, Frame* frame)
    {
        const QJsonObject object = toObject(value, place);
        checkKeys(object, place, {"path", "objects", "offset1", "offset2", "op", "value"});
        for (const char* key : {"path", "value"}) {
            if (!object.contains(QLatin1String(key)))
                fail(member(place, key), QStringLiteral("missing"));
        }
        const QString pathPlace = member(place, "path");
        const QJsonArray path = toArray(object.value(QLatin1String("path")), pathPlace);
        const StyleSchema& schema = StyleSchema::instance();
        std::vector<int> ids;
        QStringList keywords;
        for (qsizetype k = 0; k < path.size(); ++k) {
            const std::string keyword = toString(path.at(k), element(pathPlace, k));
            ids.push_back(schema.keywordId(keyword));
            keywords << QString::fromStdString(keyword);
        }
        const StyleSchemaEntry* entry = schema.find(ids.data(), static_cast<int>(ids.size()));
        if (!entry)
            fail(pathPlace, QStringLiteral("unknown style path \"%1\"").arg(keywords.join(QLatin1Char(' '))));
        const bool applicationSetting = entry->owner == StyleOwner::Application;
        if (frame && applicationSetting)
            fail(pathPlace,
                 QStringLiteral("%1 is an application setting; it belongs in the scene's top-level style list")
                     .arg(keywords.join(QLatin1Char(' '))));
        if (!frame && !applicationSetting)
            fail(pathPlace, QStringLiteral("%1 is a frame setting; it belongs in a frame's style list")
                                .arg(keywords.join(QLatin1Char(' '))));

        StyleRequest request;
        request.entry = entry;
        if (frame)
            request.frameId = frame->id;
        KxKernelSet objects;
        if (object.contains(QLatin1String("objects"))) {
            const QString objectsPlace = member(place, "objects");
            if (!entry->isPerMap())
                fail(objectsPlace, QStringLiteral("%1 is not a per-map setting").arg(keywords.join(QLatin1Char(' '))));
            const int count = entry->owner == StyleOwner::FieldMap ? frame->fieldMapCount() : frame->lineMapCount();
            for (int map : toNumbers(object.value(QLatin1String("objects")), objectsPlace, count,
                                     entry->owner == StyleOwner::FieldMap ? "field map" : "line map"))
                objects.add(map);
            request.objects = &objects;
        }
        if (object.contains(QLatin1String("offset1")))
            request.offset1 = static_cast<int>(
                toInteger(object.value(QLatin1String("offset1")), member(place, "offset1"), -1, MaxIndex));
        if (object.contains(QLatin1String("offset2")))
            request.offset2 = static_cast<int>(
                toInteger(object.value(QLatin1String("offset2")), member(place, "offset2"), -1, MaxIndex));
        if (object.contains(QLatin1String("op")))
            request.assignOp =
                static_cast<int>(toInteger(object.value(QLatin1String("op")), member(place, "op"), 0, 255));

        const QJsonValue styleValue = object.value(QLatin1String("value"));
        const QString valuePlace = member(place, "value");
        StyleData stored;
        KxKernelSet members;
        if (styleValue.isBool()) {
            stored = styleValue.toBool() ? 1L : 0L;
            request.assignValue(stored);
        } else if (styleValue.isDouble()) {
            const double number = styleValue.toDouble();
            request.doubleValue = number;
            if (std::floor(number) == number && std::fabs(number) < 2147483648.0)
                request.intValue = static_cast<long>(number);
        } else if (styleValue.isString()) {
            stored = styleValue.toString().toStdString();
            request.assignValue(stored);
        } else if (styleValue.isArray() && entry->type == StyleType::MapSet) {
            const int count =
                entry->storage == StyleStorage::ActiveFieldMaps ? frame->fieldMapCount() : frame->lineMapCount();
            for (int map : toNumbers(styleValue, valuePlace, count, "map"))
                members.add(map);
            request.setValue = &members;
        } else {
            fail(valuePlace, QStringLiteral("value of the wrong type for %1: %2")
                                 .arg(keywords.join(QLatin1Char(' ')), describe(styleValue)));
        }

        const SetValueReturnCode_e code = StyleEngine::assign(m_scene, request);
        if (code == SetValue_Ok)
            return;
        QString codePlace = valuePlace;
        if (code == SetValue_ContextError1)
            codePlace = member(place, "offset1");
        else if (code == SetValue_AssignOpError)
            codePlace = member(place, "op");
        fail(codePlace, styleProblem(code, *entry));
    }

    void loadCurrent(const QJsonObject& root)
    {
        if (m_scene.pages.empty())
            return;
        m_scene.currentPage = 1;
        m_scene.currentFrame = m_scene.pages.front().frames.empty() ? 0 : 1;
        if (!root.contains(QLatin1String("current")))
            return;
        const QJsonObject current = toObject(root.value(QLatin1String("current")), QStringLiteral("current"));
        checkKeys(current, QStringLiteral("current"), {"page", "frame"});
        if (current.contains(QLatin1String("page"))) {
            m_scene.currentPage =
                static_cast<int>(toInteger(current.value(QLatin1String("page")), QStringLiteral("current.page"), 1,
                                           static_cast<long>(m_scene.pages.size())));
            m_scene.currentFrame = m_scene.page()->frames.empty() ? 0 : 1;
        }
        if (current.contains(QLatin1String("frame"))) {
            const long frames = static_cast<long>(m_scene.page()->frames.size());
            if (frames == 0)
                fail(QStringLiteral("current.frame"), QStringLiteral("the current page has no frames"));
            m_scene.currentFrame = static_cast<int>(
                toInteger(current.value(QLatin1String("frame")), QStringLiteral("current.frame"), 1, frames));
        }
    }

    void loadPickList(const QJsonValue& value, const QString& place)
    {
        const QJsonArray entries = toArray(value, place);
        const Frame* frame = m_scene.current();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString entryPlace = element(place, i);
            const QJsonObject object = toObject(entries.at(i), entryPlace);
            checkKeys(object, entryPlace, {"type", "number"});
            for (const char* key : {"type", "number"}) {
                if (!object.contains(QLatin1String(key)))
                    fail(member(entryPlace, key), QStringLiteral("missing"));
            }
            PickEntry entry;
            entry.type =
                static_cast<int>(toInteger(object.value(QLatin1String("type")), member(entryPlace, "type"), 0, 255));
            if (entry.type != PickObjects_Zone && entry.type != PickObjects_LineMapping)
                fail(member(entryPlace, "type"), QStringLiteral("expected 15 (zone) or 21 (line map)"));
            const bool zone = entry.type == PickObjects_Zone;
            const long count = frame ? (zone ? frame->zoneCount() : frame->lineMapCount()) : 0;
            entry.number = static_cast<int>(
                toInteger(object.value(QLatin1String("number")), member(entryPlace, "number"), 1, MaxIndex));
            if (entry.number > count)
                fail(member(entryPlace, "number"),
                     QStringLiteral("%1 %2 does not exist in the current frame (there are %3)")
                         .arg(zone ? QStringLiteral("zone") : QStringLiteral("line map"))
                         .arg(entry.number)
                         .arg(count));
            m_scene.pickList.push_back(entry);
        }
    }

    Scene& m_scene;
};

} // namespace

std::unique_ptr<Scene> SceneLoader::load(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(parseError.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = parseError.offset - (before.lastIndexOf('\n') + 1) + 1;
        if (error)
            *error = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(parseError.errorString());
        return nullptr;
    }
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("scene: expected a JSON object");
        return nullptr;
    }
    auto scene = std::make_unique<Scene>();
    try {
        Loader(*scene).loadScene(document.object());
    } catch (const LoadError& loadError) {
        if (error)
            *error = loadError.message;
        return nullptr;
    }
    scene->reindex();
    return scene;
}

} // namespace kestrix::hostsim::kernel
