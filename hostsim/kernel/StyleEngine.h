#pragma once

#include "SceneChange.h"
#include "StyleRequest.h"

#include <kxsdkbase/StyleReturnCodes.h>

#include <memory>
#include <vector>

namespace kestrix::hostsim::kernel {

struct Frame;
struct Scene;

// A validated write, ready to be carried out.
struct StyleWritePlan {
    const StyleSchemaEntry* entry = nullptr;
    Frame* frame = nullptr;
    int offset1 = -1;
    int offset2 = -1;
    // Per-map values: the maps written (1-based, ascending) and whether they are all maps of
    // the frame because no object was named.
    std::vector<int> maps;
    bool allMaps = false;
    StyleData value;
    // Set-valued settings: the members and the assignment operator.
    std::vector<int> members;
    int assignOp = AssignOp_Equals;
};

// Reads and writes style values of a scene against the schema. A write is validated
// completely before anything changes.
class StyleEngine {
public:
    // The value of a scalar setting into `value`; for set-valued settings the members into
    // `members`.
    static GetValueReturnCode_e read(const Scene& scene, const StyleRequest& request, StyleData& value,
                                     std::vector<int>* members);

    static SetValueReturnCode_e prepareWrite(const Scene& scene, const StyleRequest& request, StyleWritePlan& plan);
    // Carries out a prepared write; null when nothing changed.
    static std::unique_ptr<SceneChange> apply(Scene& scene, const StyleWritePlan& plan);
    // Validates and carries out a write on a scene that is being built (nothing recorded).
    static SetValueReturnCode_e assign(Scene& scene, const StyleRequest& request);

    // Whether a value read for this entry goes to an integer ("IVALUE") receiver.
    static bool isIntegral(StyleType type);
};

} // namespace kestrix::hostsim::kernel
