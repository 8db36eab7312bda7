// Writes the commentary file tavelo.txt: one "[*]" section per haiku in table
// order, "1:" preface (when there is one), "2:" reading, "3:" season, "4:" season
// word, "5:" source, "6:" the interpretation in rows of 44 bytes, and an empty
// line after each section.
#pragma once

#include <string>
#include <vector>

#include "Collection.h"

namespace museum {

std::string CommentaryText(const std::vector<Haiku>& haiku);

}  // namespace museum
