// How the generated documents show a haiku and wrap prose, shared by the
// writers and the checker that finds the haiku again.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace museum {

// "　phrase1　phrase2　phrase3" (full-width spaces): one haiku in a document.
std::string HaikuListingLine(const std::array<std::string, 3>& phrases);

// The phrases of a listing line, or an empty key when the line is not one: the
// line without its leading full-width spaces, as "phrase1　phrase2　phrase3".
std::string ListingKey(const std::string& line);
std::string ListingKey(const std::array<std::string, 3>& phrases);

// Paragraphs (one a line, cp932) as body lines of at most width bytes: each
// paragraph begins with a full-width space; empty lines are kept.
std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs,
                                        std::size_t width);

// The comment line that opens every generated file.
std::string GeneratedNotice(const std::string& file, const std::string& sources);

}  // namespace museum
