// Lets GoogleTest show a TextValue's characters in failure messages.
#pragma once
#include <ostream>

#include "runtime/values/text_value.h"

inline void PrintTo(const TextValue& text, std::ostream* out) {
    *out << '"' << text.view() << '"';
}
