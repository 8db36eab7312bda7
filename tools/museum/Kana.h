// Readings in hiragana: which characters they may hold and how many morae they count.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace museum {

// True when every character is a hiragana of modern kana usage (ゐ and ゑ are
// not) or the long-vowel mark ー; false for empty text.
bool IsModernHiragana(std::string_view cp932Text);

// The morae of a reading part: every kana counts one, except the small
// ゃ ゅ ょ ぁ ぃ ぅ ぇ ぉ ゎ, which join the kana before them (small っ counts).
int CountMorae(std::string_view cp932Text);

// The parts of a reading separated by single half-width spaces, as the program
// splits them: up to the first space, up to the second, and the rest.
std::vector<std::string> SplitReading(std::string_view reading);

}  // namespace museum
