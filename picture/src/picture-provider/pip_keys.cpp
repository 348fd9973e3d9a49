// Picture-in-picture keys.
#include "cases.h"

namespace picture {

const CaseTable g_pip_cases{nullptr, 0};

}  // namespace picture
