#include "app/FurtherInstances.h"

#include "platform/LongPathName.h"
#include "settings/SettingsTable.h"

namespace mojiro {

InstancePlan PlanCommandLine(const std::vector<std::string>& arguments) {
    InstancePlan plan;
    if (arguments.empty()) {
        return plan;
    }
    plan.openHere = LongPathName(arguments.back());
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        plan.passOn.push_back(LongPathName(arguments[i]));
    }
    return plan;
}

InstancePlan PlanDroppedFiles(const std::vector<std::string>& files, bool documentUntouched) {
    InstancePlan plan;
    plan.passOn = files;
    if (documentUntouched && !files.empty()) {
        plan.openHere = plan.passOn.back();
        plan.passOn.pop_back();
    }
    return plan;
}

void PlaceNextInstance(SettingsStore& store, int top, int left) {
    WriteSetting(store, IntegerSetting{"Locate", "Top"}, top + kNextInstanceOffset);
    WriteSetting(store, IntegerSetting{"Locate", "Left"}, left + kNextInstanceOffset);
}

} // namespace mojiro
