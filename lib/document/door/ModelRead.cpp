#include "door/ModelRead.h"

#include "devicenet/DeviceNetFields.h"

#include <algorithm>
#include <vector>

namespace corvid {

namespace {

bool NoneGiven(const std::vector<GivenFields*>& given) {
    return std::all_of(given.begin(), given.end(), [](const GivenFields* g) { return g->None(); });
}

bool ReadNothing(CCANopenEDS& model) {
    return model.Objects.empty() && NoneGiven(GivenFieldsOf(model));
}

bool ReadNothing(CDeviceNetEDS& model) {
    return model.ParamCount() == 0 && model.GroupCount() == 0 &&
           model.ParamClassSection.SectionName.empty() && !HoldsIOEntries(model.IOInfoSection) &&
           NoneGiven(GivenFieldsOf(model));
}

bool ReadNothing(CEtherNetIPEDS& model) {
    return model.ParamCount() == 0 && model.GroupCount() == 0 &&
           model.DeviceClassification.empty() && model.AssemblySection.Assemblies.empty() &&
           model.Ports.empty() && model.ModularSection.Racks.empty() &&
           model.ConnectionManagerSection.Connections.empty() &&
           model.CapacitySection.TSpecs.empty() && NoneGiven(GivenFieldsOf(model));
}

} // namespace

bool ReadNothing(LoadedEDSFile& file) {
    return std::visit(
        []<typename Model>(Model& model) {
            if constexpr (std::is_same_v<Model, std::monostate>)
                return true;
            else
                return ReadNothing(model);
        },
        file.model);
}

} // namespace corvid
