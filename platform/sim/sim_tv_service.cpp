// Stand-in TV service and menu utilities (placeholder until the objects land).
#include "sim_internal.h"

namespace sim::detail {

TvState default_tv_state()
{
    return TvState{};
}

void reset_tv_objects() {}

}  // namespace sim::detail
