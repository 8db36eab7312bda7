#include "CommentaryWriter.h"

#include "LineWrap.h"
#include "Listing.h"
#include "Museum.h"

namespace museum {

std::string CommentaryText(const std::vector<Haiku>& haiku) {
    std::string out = GeneratedNotice("tavelo.txt", "data/haiku/*.tsv");
    for (const Haiku& h : haiku) {
        out += "\n[*]\n";
        if (!h.preface.empty()) out += "1:" + h.preface + "\n";
        out += "2:" + h.reading + "\n";
        out += "3:" + h.season + "\n";
        out += "4:" + h.kigo + "\n";
        out += "5:" + h.source + "\n";
        std::vector<std::string> rows = WrapRows(h.interpretation, kInterpretationRow);
        out += "6:";
        if (rows.empty()) out += "\n";
        for (const std::string& row : rows) out += row + "\n";
    }
    return out;
}

}  // namespace museum
