// Texts of the haiku card (cp932) and its stepping rule, apart from the dialog.
#pragma once

#include <string>
#include <string_view>

#include "haiku/CommentaryEntry.h"
#include "haiku/HaikuRecord.h"

namespace cardtext {

// The three phrases separated by single half-width spaces.
std::string HaikuLine(const HaikuRecord& record);
// The three parts of the reading, likewise.
std::string ReadingLine(const CommentaryEntry& entry);
// "<order title>の番号 : <index + 1>", e.g. "登録全句の番号 : 1".
std::string NumberLine(std::string_view orderTitle, int index);

// The interpretation as display lines: one line per row of rowWidth bytes (each
// file line starts a row), padding spaces removed, joined by '\n'. A double-byte
// character across a row's end is shown whole on the row of its lead byte.
std::string InterpretationLines(std::string_view interpretation, int rowWidth);

// The nearest index in 0..maxIndex (0 when there is no haiku at all).
int ClampIndex(int index, int maxIndex);
// One step: a positive delta moves to the next haiku, any other to the previous;
// the result stays within 0..maxIndex.
int StepIndex(int index, int delta, int maxIndex);

}  // namespace cardtext
