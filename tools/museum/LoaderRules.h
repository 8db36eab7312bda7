// Rules proved with the program's own topic loader: the document loads without
// a notice, its command's initial key selects a topic with a first key and a
// body, every topic is reachable by its first key, and the generated index
// names every other first key within the body width.
#pragma once

#include <string>

#include "Findings.h"

namespace museum {

// txtData: the folder of the documents (includes are looked up there).
void CheckWithLoader(const std::string& txtData, const std::string& file,
                     const std::string& initialKey, Findings& findings);

// Every tip of the tips file, read with the program's own tips reader, has a
// title of its own (not the stand-in for a long first line) and a body whose
// lines stay whole and fit the box's 13 lines.
void CheckTipsWithLoader(const std::string& path, Findings& findings);

}  // namespace museum
