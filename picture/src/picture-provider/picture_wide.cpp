// Picture-wide actions: picture off, reset, senior mode and HDR+.
#include "cases.h"

namespace picture {

const CaseTable g_picture_wide_cases{nullptr, 0};

}  // namespace picture
