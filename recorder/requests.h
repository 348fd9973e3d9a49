// The recorded operation table: every slot records the host's request and the
// provider's answer around the real provider's slot.
#pragma once

#include "picture_provider.h"

namespace recorder {

// Fills `table` with the recording slots of the real provider's `real`
// table; the empty slots stay empty.
void fill_table(const provider_op *real, provider_op *table);

// Requests of the entry points themselves.
int record_create(provider_create_fn create, provider_op **table);
int record_delete(provider_delete_fn del, provider_op **table);

}  // namespace recorder
