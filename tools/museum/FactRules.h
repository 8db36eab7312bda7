// The facts of the poet's life that the haiku must agree with, proved by program:
// memorials fall in the year and season that the death they remember gives, a
// journey's haiku fall inside its seasons, and a place named as gone is not visited
// later.
#pragma once

#include <vector>

#include "Collection.h"
#include "Findings.h"

namespace museum {

// Memorials (一周忌, 三回忌 ... and "志津忌", "妻の忌") of the deaths in kDeaths.
void CheckMemorials(const std::vector<Haiku>& haiku, Findings& findings);

// Haiku of a journey in kJourneys (its notebook's haiku, and haiku of its year whose
// preface names a stop of the route or the return) carry one of its seasons.
void CheckJourneys(const std::vector<Haiku>& haiku, Findings& findings);

// "生家の跡": once a building is named as gone, no haiku of a later year shows it
// standing (its name without "の跡" in the preface, phrases or interpretation).
void CheckGonePlaces(const std::vector<Haiku>& haiku, Findings& findings);

}  // namespace museum
