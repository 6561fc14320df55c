#include "omblen/grid_plan.hpp"

namespace league::omblen {

GridPlan planGrids(std::int32_t entryCount, std::int32_t maxDriversInGrid) {
    GridPlan plan;
    // Division truncates toward zero: with no entries, (0 - 1) / size is 0 for every
    // size above 1 (one empty grid) and -1 for a size of 1 (no grid).
    plan.gridCount = (entryCount - 1) / maxDriversInGrid + 1;
    if (plan.gridCount < 1) {
        return plan;
    }
    plan.baseSize = entryCount / plan.gridCount;
    plan.extra = entryCount % plan.gridCount;
    return plan;
}

}  // namespace league::omblen
