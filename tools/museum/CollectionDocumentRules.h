// Rules for the documents generated from the collection: kigo.txt and the
// three anthologies agree with the table and the commentary.
#pragma once

#include <string_view>
#include <vector>

#include "CommentaryFile.h"
#include "Findings.h"
#include "HaikuRules.h"
#include "Museum.h"
#include "TopicScan.h"

namespace museum {

// kigo.txt: opens with the index topic "季語"; every season word of the
// collection has a topic with its reading in hiragana and the season the haiku
// give it, an explanation and two or three haiku that use it; no other words.
void CheckKigoDocument(const ScannedDocument& document, const std::vector<CommentarySection>& sections,
                       const std::vector<TableRecord>& table, std::string_view file, Findings& findings);

// An anthology: opens at its title topic, whose index names every other topic;
// lists exactly the haiku whose source is the anthology, each once, under the
// topic of its year, and holds the anthology's count.
void CheckAnthology(const ScannedDocument& document, const Anthology& anthology,
                    const std::vector<CommentarySection>& sections,
                    const std::vector<TableRecord>& table, Findings& findings);

// The works document names every source the collection's haiku give.
void CheckSourcesNamed(const ScannedDocument& works, std::string_view file,
                       const std::vector<CommentarySection>& sections, Findings& findings);

}  // namespace museum
