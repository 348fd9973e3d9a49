// The host's text domain, in which the provider translates its own texts.
#pragma once

#include <libintl.h>

namespace picture {

constexpr const char *kTextDomain = "settings-datafw";
constexpr const char *kLocaleDir = "/usr/apps/settings-datafw/shared/locale";

// The translation of a message id; the id itself when the catalogue has none.
inline const char *translate(const char *id)
{
    return dgettext(kTextDomain, id);
}

}  // namespace picture
