// Picture size keys of the TV and of the media players.
#include <iterator>

#include "cases.h"

namespace picture {

static const KeyCase kRows[] = {
    {KeyId::WideMode219, nullptr, no_action_set, no_action_set},
};

const CaseTable g_picture_size_cases{kRows, std::size(kRows)};

}  // namespace picture
