#include "shell/PageRows.h"

#include "PageBuilder.h"
#include "shell/ProjectTree.h"

namespace corvid {

Page BuildPage(const CEtherNetIPEDS& model, std::string_view section, const PageState& state) {
    (void)state;
    if (section == kFileSummarySection)
        return BuildFileSummaryPage(model.Header, EDSKind::EtherNetIP);
    return {};
}

} // namespace corvid
