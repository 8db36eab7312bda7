// Turns a reading-matter document written in UTF-8 into the cp932 file the
// program reads. A leading byte-order mark is dropped; line ends become LF.
#pragma once

#include <string>
#include <string_view>

#include "Findings.h"

namespace museum {

// Every character without a cp932 form is a finding (file, line, column).
std::string ConvertDocument(std::string_view utf8Text, std::string_view file, Findings& findings);

}  // namespace museum
