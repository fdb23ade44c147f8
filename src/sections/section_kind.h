#pragma once
// The section kinds live in base, below the catalogue and the computations.
#include "base/section_kind.h"
