// Picture quality settings held by the output control library.
#include <iterator>

#include "cases.h"

namespace picture {

static const KeyCase kRows[] = {
    {KeyId::XvYcc, no_action_get, no_action_set, nullptr},
    {KeyId::MotionJudderCanceller, no_action_get, no_action_set, nullptr},
};

const CaseTable g_quality_cases{kRows, std::size(kRows)};

}  // namespace picture
