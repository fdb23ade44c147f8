#pragma once
// The number formats live in base, below every folder that formats numbers.
#include "base/number_format.h"
