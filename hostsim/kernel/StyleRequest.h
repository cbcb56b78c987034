#pragma once

#include "StyleSchema.h"

#include <kxsdkbase/KernelApi.h>

#include <optional>
#include <string>

struct KxKernelSet;

namespace kestrix::hostsim::kernel {

// A style read or write, decoded from a kernel argument list or built by the scene loader.
struct StyleRequest {
    const StyleSchemaEntry* entry = nullptr;
    std::optional<UniqueID_t> frameId;
    int offset1 = -1;
    int offset2 = -1;

    // Writes only.
    const KxKernelSet* objects = nullptr;
    int assignOp = AssignOp_Equals;
    std::optional<long> intValue;
    std::optional<double> doubleValue;
    const char* stringValue = nullptr;
    const KxKernelSet* setValue = nullptr;

    // Fills the value fields from a stored value, as an argument list would carry it;
    // `value` must outlive the request.
    void assignValue(const StyleData& value)
    {
        if (const auto* number = std::get_if<long>(&value)) {
            intValue = *number;
            doubleValue = static_cast<double>(*number);
        } else if (const auto* real = std::get_if<double>(&value)) {
            doubleValue = *real;
        } else {
            stringValue = std::get<std::string>(value).c_str();
        }
    }
};

} // namespace kestrix::hostsim::kernel
