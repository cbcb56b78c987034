#pragma once

#include <kxsdkbase/KernelApi.h>

#include <string>
#include <type_traits>
#include <vector>

namespace kestrix::toolbox {

class ArgList;
class Set;
class StringList;

// Addresses one setting of the host's style language by a path of up to seven keywords
// (for example "FIELDMAP", "MESH", "SHOW"). Offsets are object numbers or -1; writes to
// several objects pass the objects as a set. Reads report failure through their return
// code and leave the receiver untouched unless the code is ok.
class StyleValue {
public:
    static constexpr int MaxKeywords = 7;

    explicit StyleValue(const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr,
                        const char* kw4 = nullptr, const char* kw5 = nullptr, const char* kw6 = nullptr,
                        const char* kw7 = nullptr);
    explicit StyleValue(const StringList& keywords);
    // The path of `base` followed by further keywords.
    StyleValue(const StyleValue& base, const char* extra1, const char* extra2 = nullptr,
               const char* extra3 = nullptr);
    StyleValue(const StyleValue&) = default;
    StyleValue& operator=(const StyleValue&) = default;
    virtual ~StyleValue();

    static bool returnCodeOk(GetValueReturnCode_e code) { return code == GetValue_Ok; }
    static bool returnCodeOk(SetValueReturnCode_e code) { return code == SetValue_Ok || code == SetValue_DuplicateValue; }

    // Reads ------------------------------------------------------------------------------
    GetValueReturnCode_e get(bool& value, int offset1 = -1, int offset2 = -1) const;
    GetValueReturnCode_e get(double& value, int offset1 = -1, int offset2 = -1) const;
    GetValueReturnCode_e get(std::string& value, int offset1 = -1, int offset2 = -1) const;
    // The caller releases the string with VexUtilStringDealloc.
    GetValueReturnCode_e get(char*& value, int offset1 = -1, int offset2 = -1) const;
    GetValueReturnCode_e get(Set& value, int offset1 = -1, int offset2 = -1) const;
    GetValueReturnCode_e getInteger(LgIndex_t& value, int offset1 = -1, int offset2 = -1) const;
    // Integers, enumerations and colour indices (read as "IVALUE").
    template <typename T, typename = std::enable_if_t<(std::is_integral_v<T> || std::is_enum_v<T>) && !std::is_same_v<T, bool>>>
    GetValueReturnCode_e get(T& value, int offset1 = -1, int offset2 = -1) const
    {
        LgIndex_t received = 0;
        const GetValueReturnCode_e code = getInteger(received, offset1, offset2);
        if (returnCodeOk(code))
            value = static_cast<T>(received);
        return code;
    }

    // Writes -----------------------------------------------------------------------------
    SetValueReturnCode_e set(bool value, const Set* objects = nullptr, int offset1 = -1, int offset2 = -1,
                             AssignOp_e op = AssignOp_Equals) const;
    SetValueReturnCode_e set(double value, const Set* objects = nullptr, int offset1 = -1, int offset2 = -1,
                             AssignOp_e op = AssignOp_Equals) const;
    SetValueReturnCode_e set(const char* value, const Set* objects = nullptr, int offset1 = -1, int offset2 = -1,
                             AssignOp_e op = AssignOp_Equals) const;
    SetValueReturnCode_e set(const std::string& value, const Set* objects = nullptr, int offset1 = -1,
                             int offset2 = -1, AssignOp_e op = AssignOp_Equals) const;
    // Set-valued settings ("ACTIVEFIELDMAPS", "ACTIVELINEMAPS"): op 255 assigns, 1 adds, 2 removes.
    SetValueReturnCode_e set(const Set& value, const Set* objects = nullptr, int offset1 = -1, int offset2 = -1,
                             AssignOp_e op = AssignOp_Equals) const;
    // Integers, enumerations and colour indices go as "IVALUE" with the same value as "DVALUE".
    SetValueReturnCode_e setInteger(LgIndex_t value, const Set* objects = nullptr, int offset1 = -1,
                                    int offset2 = -1, AssignOp_e op = AssignOp_Equals) const;
    template <typename T, typename = std::enable_if_t<(std::is_integral_v<T> || std::is_enum_v<T>) && !std::is_same_v<T, bool>>>
    SetValueReturnCode_e set(T value, const Set* objects = nullptr, int offset1 = -1, int offset2 = -1,
                             AssignOp_e op = AssignOp_Equals) const
    {
        return setInteger(static_cast<LgIndex_t>(value), objects, offset1, offset2, op);
    }

    // The keywords of the path, for messages and tests.
    std::vector<std::string> keywords() const;

protected:
    // Fill an argument list with the path (own identifiers, extra identifiers, -1) and the offsets.
    void setupGetValueArgList(const std::vector<int>& path, int offset1, int offset2, ArgList& argList) const;
    void setupSetValueArgList(const std::vector<int>& path, const Set* objects, int offset1, int offset2,
                              AssignOp_e op, ArgList& argList) const;
    virtual GetValueReturnCode_e styleGetLowLevel(ArgList& argList) const;
    virtual SetValueReturnCode_e styleSetLowLevel(ArgList& argList) const;

    const std::vector<int>& identifiers() const { return m_identifiers; }

private:
    template <typename Fill>
    GetValueReturnCode_e performGet(int offset1, int offset2, Fill fill) const;
    template <typename Fill>
    SetValueReturnCode_e performSet(const Set* objects, int offset1, int offset2, AssignOp_e op, Fill fill) const;

    std::vector<int> m_identifiers;
};

} // namespace kestrix::toolbox
