// The whole Picture menu, walked as the settings host walks it.
#pragma once

#include "commands.h"

namespace host {

Outcome run_menu(const ProviderHost &host);

}  // namespace host
