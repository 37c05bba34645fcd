#pragma once
// The system locale's day and month names, for the program's time stamps.
#include "core/properties/NodeProperties.h"

namespace skelder {

LocaleNames SystemLocaleNames();

}  // namespace skelder
