#pragma once
// What the archive being added to cannot keep of the add dialog's options,
// from the component's write abilities: the reasons the dialog's greyed
// boxes give, and the choices with what cannot be kept taken out, so that
// neither the dialog nor a drop asks for what the format would drop.

#include "engine/ArchiveBackend.h"

struct AddFormChoices;
struct AddFormLimits;

namespace write_limits {

// Each box the format cannot honour with the reason its hint gives.
AddFormLimits limitsFor(const orvex::WriteAbilities &abilities);

// `choices` without the options the format cannot keep.
AddFormChoices keptChoices(AddFormChoices choices, const orvex::WriteAbilities &abilities);

}  // namespace write_limits
