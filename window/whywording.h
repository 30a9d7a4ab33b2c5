// The explanation behind "Warum?" in the window's language: the same sentences as the driver's,
// through the window's translations.
#pragma once

#include "whysentences.h"

namespace frankierung {

[[nodiscard]] WhyWording windowWhyWording();

}  // namespace frankierung
