#include <kxtoolbox/StyleValue.h>

#include <kxtoolbox/ArgList.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StringList.h>

#include <algorithm>
#include <array>

namespace kestrix::toolbox {

namespace {

// Identifier paths are short; the arrays stay on the stack.
constexpr int MaxPathLength = 15;

void appendPath(const std::vector<int>& path, ArgList& argList)
{
    std::array<int, MaxPathLength + 1> ids{};
    int count = 0;
    for (int id : path) {
        if (id == -1 || count == MaxPathLength)
            break;
        ids[static_cast<std::size_t>(count++)] = id;
    }
    ids[static_cast<std::size_t>(count++)] = -1;
    argList.appendArray("PATH", ids.data(), count);
}

} // namespace

StyleValue::StyleValue(const char* kw1, const char* kw2, const char* kw3, const char* kw4, const char* kw5,
                       const char* kw6, const char* kw7)
{
    for (const char* keyword : {kw1, kw2, kw3, kw4, kw5, kw6, kw7}) {
        if (!keyword)
            break;
        m_identifiers.push_back(VexStyleKeywordToId(keyword));
    }
}

StyleValue::StyleValue(const StringList& keywords)
{
    for (int i = 1; i <= keywords.size(); ++i)
        m_identifiers.push_back(VexStyleKeywordToId(keywords.getStringRef(i)));
}

StyleValue::StyleValue(const StyleValue& base, const char* extra1, const char* extra2, const char* extra3)
    : m_identifiers(base.m_identifiers)
{
    for (const char* keyword : {extra1, extra2, extra3}) {
        if (!keyword)
            break;
        m_identifiers.push_back(VexStyleKeywordToId(keyword));
    }
}

StyleValue::~StyleValue() = default;

std::vector<std::string> StyleValue::keywords() const
{
    std::vector<std::string> result;
    result.reserve(m_identifiers.size());
    for (int id : m_identifiers) {
        const char* keyword = VexStyleIdToKeyword(id);
        result.emplace_back(keyword ? keyword : "");
    }
    return result;
}

void StyleValue::setupGetValueArgList(const std::vector<int>& path, int offset1, int offset2, ArgList& argList) const
{
    appendPath(path, argList);
    argList.appendInt("OFFSET1", offset1);
    argList.appendInt("OFFSET2", offset2);
}

void StyleValue::setupSetValueArgList(const std::vector<int>& path, const Set* objects, int offset1, int offset2,
                                      AssignOp_e op, ArgList& argList) const
{
    appendPath(path, argList);
    argList.appendInt("OFFSET1", offset1);
    argList.appendInt("OFFSET2", offset2);
    if (objects)
        argList.appendSet("OBJECTSET", *objects);
    argList.appendInt("ASSIGNOP", op);
}

GetValueReturnCode_e StyleValue::styleGetLowLevel(ArgList& argList) const
{
    return VexStyleGetLowLevelX(argList.getRef());
}

SetValueReturnCode_e StyleValue::styleSetLowLevel(ArgList& argList) const
{
    return VexStyleSetLowLevelX(argList.getRef());
}

template <typename Fill>
GetValueReturnCode_e StyleValue::performGet(int offset1, int offset2, Fill fill) const
{
    ArgList argList;
    setupGetValueArgList(m_identifiers, offset1, offset2, argList);
    fill(argList);
    return styleGetLowLevel(argList);
}

template <typename Fill>
SetValueReturnCode_e StyleValue::performSet(const Set* objects, int offset1, int offset2, AssignOp_e op,
                                            Fill fill) const
{
    ArgList argList;
    setupSetValueArgList(m_identifiers, objects, offset1, offset2, op, argList);
    fill(argList);
    return styleSetLowLevel(argList);
}

GetValueReturnCode_e StyleValue::get(bool& value, int offset1, int offset2) const
{
    LgIndex_t received = 0;
    const GetValueReturnCode_e code =
        performGet(offset1, offset2, [&](ArgList& argList) { argList.appendIntPtr("IVALUE", &received); });
    if (returnCodeOk(code))
        value = received != 0;
    return code;
}

GetValueReturnCode_e StyleValue::get(double& value, int offset1, int offset2) const
{
    double received = 0.0;
    const GetValueReturnCode_e code =
        performGet(offset1, offset2, [&](ArgList& argList) { argList.appendDoublePtr("DVALUE", &received); });
    if (returnCodeOk(code))
        value = received;
    return code;
}

GetValueReturnCode_e StyleValue::get(std::string& value, int offset1, int offset2) const
{
    char* received = nullptr;
    const GetValueReturnCode_e code = get(received, offset1, offset2);
    if (returnCodeOk(code) && received)
        value = received;
    VexUtilStringDealloc(&received);
    return code;
}

GetValueReturnCode_e StyleValue::get(char*& value, int offset1, int offset2) const
{
    char* received = nullptr;
    const GetValueReturnCode_e code =
        performGet(offset1, offset2, [&](ArgList& argList) { argList.appendStringPtr("SVALUE", &received); });
    if (returnCodeOk(code))
        value = received;
    else
        VexUtilStringDealloc(&received);
    return code;
}

GetValueReturnCode_e StyleValue::get(Set& value, int offset1, int offset2) const
{
    Set_pa received = nullptr;
    const GetValueReturnCode_e code =
        performGet(offset1, offset2, [&](ArgList& argList) { argList.appendSetPtr("SETVALUE", &received); });
    if (returnCodeOk(code))
        value = Set(received);
    else
        VexUtilSetDealloc(&received);
    return code;
}

GetValueReturnCode_e StyleValue::getInteger(LgIndex_t& value, int offset1, int offset2) const
{
    LgIndex_t received = 0;
    const GetValueReturnCode_e code =
        performGet(offset1, offset2, [&](ArgList& argList) { argList.appendIntPtr("IVALUE", &received); });
    if (returnCodeOk(code))
        value = received;
    return code;
}

SetValueReturnCode_e StyleValue::set(bool value, const Set* objects, int offset1, int offset2, AssignOp_e op) const
{
    return performSet(objects, offset1, offset2, op,
                      [&](ArgList& argList) { argList.appendInt("IVALUE", value ? 1 : 0); });
}

SetValueReturnCode_e StyleValue::set(double value, const Set* objects, int offset1, int offset2, AssignOp_e op) const
{
    return performSet(objects, offset1, offset2, op, [&](ArgList& argList) { argList.appendDouble("DVALUE", value); });
}

SetValueReturnCode_e StyleValue::set(const char* value, const Set* objects, int offset1, int offset2,
                                     AssignOp_e op) const
{
    return performSet(objects, offset1, offset2, op, [&](ArgList& argList) { argList.appendString("SVALUE", value); });
}

SetValueReturnCode_e StyleValue::set(const std::string& value, const Set* objects, int offset1, int offset2,
                                     AssignOp_e op) const
{
    return set(value.c_str(), objects, offset1, offset2, op);
}

SetValueReturnCode_e StyleValue::set(const Set& value, const Set* objects, int offset1, int offset2,
                                     AssignOp_e op) const
{
    return performSet(objects, offset1, offset2, op, [&](ArgList& argList) { argList.appendSet("SETVALUE", value); });
}

SetValueReturnCode_e StyleValue::setInteger(LgIndex_t value, const Set* objects, int offset1, int offset2,
                                            AssignOp_e op) const
{
    return performSet(objects, offset1, offset2, op, [&](ArgList& argList) {
        argList.appendInt("IVALUE", value);
        argList.appendDouble("DVALUE", static_cast<double>(value));
    });
}

} // namespace kestrix::toolbox
