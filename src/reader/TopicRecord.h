// One topic of a TxtData document, and a selected topic with its body.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A topic as the loader found it. The order fields are not properties of this
// topic: together, the records' order1 fields form the permutation from sorted
// position to topic index for first keys (record j holds the topic at position j),
// and likewise order2 and order3 for second and third keys.
struct TopicRecord {
    int32_t index = -1;      // the topic's own number, 0-based in file order
    std::string key1;        // text after "k1:" (cp932, at most 127 bytes)
    int32_t order1 = -1;
    std::string key2;        // text after "k2:"
    int32_t order2 = -1;
    std::string key3;        // text after "k3:"
    int32_t order3 = -1;
    int32_t bodyLine = -1;   // line of the topic's (last) "d:" line; -1 without body

    bool operator==(const TopicRecord&) const = default;
};

// The topic last selected, with a copy of its body lines.
struct TopicSelection {
    TopicRecord topic;
    std::vector<std::string> body;

    int32_t BodyCount() const { return static_cast<int32_t>(body.size()); }
};
