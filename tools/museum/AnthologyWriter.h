// Writes an anthology document (500.txt, 550.txt, 600.txt): the title topic with
// the preface and an index of the years, then one topic per year listing the
// haiku of that year whose source is the anthology.
#pragma once

#include <string>
#include <vector>

#include "Collection.h"
#include "Museum.h"

namespace museum {

// "1894年（明治27年）": the key of a year's topic.
std::string YearKey(int year, const EraNames& eras);

std::string AnthologyDocument(const Anthology& anthology, const std::vector<Haiku>& haiku,
                              const EraNames& eras, const std::vector<std::string>& preface);

}  // namespace museum
