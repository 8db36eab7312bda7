// The whole museum check: every rule over the built files of a TxtData folder,
// the built-in table, and the collection's sources they were built from.
#pragma once

#include <string>
#include <vector>

#include "Findings.h"
#include "HaikuRules.h"

namespace museum {

void CheckMuseum(const std::string& txtData, const std::string& dataDir,
                 const std::vector<TableRecord>& table, const CollectionLimits& limits,
                 Findings& findings);

}  // namespace museum
