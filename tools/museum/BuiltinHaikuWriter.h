// Writes the built-in haiku table as a C++ source: the phrases as cp932 byte
// constants in table order, compiled into the program (see haiku/BuiltinHaiku.h).
#pragma once

#include <string>
#include <vector>

#include "Collection.h"

namespace museum {

std::string BuiltinHaikuSource(const std::vector<Haiku>& haiku);

}  // namespace museum
