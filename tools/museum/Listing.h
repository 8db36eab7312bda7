// How the generated documents show a haiku and wrap prose, shared by the
// writers and the checker that finds the haiku again.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace museum {

// "　phrase1　phrase2　phrase3" (full-width spaces): one haiku in a document.
std::string HaikuListingLine(const std::array<std::string, 3>& phrases);

// The phrases of a listing line as "phrase1　phrase2　phrase3": the line without
// its leading full-width spaces and without a closing note in full-width
// brackets. Any line gives a key; only the keys of real haiku find one.
std::string ListingKey(const std::string& line);
std::string ListingKey(const std::array<std::string, 3>& phrases);

// Paragraphs (one a line, cp932) as body lines of at most width bytes: each
// paragraph begins with a full-width space; empty lines are kept.
std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs,
                                        std::size_t width);

// The comment line that opens every generated file.
std::string GeneratedNotice(const std::string& file, const std::string& sources);

}  // namespace museum
