// The menu walk and the key listing: the key catalogue as the provider
// answers for it.
#pragma once

#include <string>
#include <vector>

#include "commands.h"
#include "provider_host.h"

namespace host {

// Every key with its label, value, choices and help text, by section.
CommandResult run_menu(const ProviderHost &host);

// The keys containing `pattern` (or matching it, with * ? [ ]) with their
// section, label and what the provider does with them.
CommandResult list_keys(const ProviderHost &host, const std::string &pattern);

// Choices as records of value, text, message id and string value.
Node choice_array(const std::vector<TranslatedChoice> &choices);

}  // namespace host
