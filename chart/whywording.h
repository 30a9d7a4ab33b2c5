// The explanation behind "Warum?" in the language of the Qt programs: the same sentences as
// the driver's, through the translations, for the window and the worksheet.
#pragma once

#include "whysentences.h"

namespace frankierung {

[[nodiscard]] WhyWording windowWhyWording();

}  // namespace frankierung
