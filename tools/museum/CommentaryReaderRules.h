// The commentary file read back with the program's own commentary reader, both
// ways (the list view's bulk load and the card's single read): every haiku gets
// the reading, season, season word and source of its sources, and the card (asked
// for every 20th haiku and the last) also the preface and the interpretation in rows.
#pragma once

#include <string>
#include <vector>

#include "Collection.h"
#include "Findings.h"

namespace museum {

// museumDir: the working directory of the program (TxtData below it).
void CheckWithCommentaryReader(const std::string& museumDir, const std::vector<Haiku>& sources,
                               Findings& findings);

}  // namespace museum
