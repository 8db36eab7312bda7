#include "MuseumCheck.h"

#include <set>

#include "Collection.h"
#include "Kana.h"
#include "CollectionDocumentRules.h"
#include "CommentaryFile.h"
#include "DocumentRules.h"
#include "FactRules.h"
#include "LoaderRules.h"
#include "Museum.h"
#include "TextFile.h"
#include "TopicScan.h"
#include "platform/Cp932.h"
#if QUILLARY_MUSEUM_COMMENTARY_READER
#include "CommentaryReaderRules.h"
#endif

namespace museum {
namespace {

std::vector<CommentarySection> ReadCommentary(const std::string& txtData, Findings& findings) {
    const std::string file = "tavelo.txt";
    auto text = ReadWholeFile(txtData + "/" + file);
    if (!text) {
        findings.Add(file, "unreadable", "the commentary file cannot be read");
        return {};
    }
    int number = 0;
    for (const std::string& line : SplitLines(*text)) {
        ++number;
        if (!cp932::IsValidCp932(line)) findings.Add(Where(file, number), "cp932", "the line is not valid cp932");
    }
    return ParseCommentary(*text, file, findings);
}

MuseumFigures FiguresOf(const std::vector<CommentarySection>& sections) {
    MuseumFigures figures;
    std::set<std::string> words;
    for (const CommentarySection& s : sections) {
        ++figures.haiku;
        words.insert(s.kigo);
        ++figures.bySeason[s.season];
        ++figures.bySource[s.source];
        std::vector<std::string> parts = SplitReading(s.reading);
        if (parts.size() != 3 || CountMorae(parts[0]) != 5 || CountMorae(parts[1]) != 7 ||
            CountMorae(parts[2]) != 5)
            ++figures.offCount;
    }
    figures.seasonWords = words.size();
    return figures;
}

}  // namespace

void CheckMuseum(const std::string& txtData, const std::string& dataDir,
                 const std::vector<TableRecord>& table, const CollectionLimits& limits,
                 Findings& findings, MuseumFigures* figures) {
    Collection sources = LoadCollection(dataDir, findings);
    CheckTable(table, sources.haiku, limits, findings);

    std::vector<CommentarySection> sections = ReadCommentary(txtData, findings);
    CheckCommentary(sections, table, sources.haiku, limits, "tavelo.txt", findings);
    CheckCollectionRange(sections, table, sources.haiku, limits, "tavelo.txt", findings);
    CheckMemorials(sources.haiku, findings);
    CheckJourneys(sources.haiku, findings);
    CheckGonePlaces(sources.haiku, findings);
    if (figures) *figures = FiguresOf(sections);
#if QUILLARY_MUSEUM_COMMENTARY_READER
    CheckWithCommentaryReader(txtData + "/..", sources.haiku, findings);
#endif

    for (const ReaderCommand& command : kReaderCommands) {
        std::string file(command.file);
        std::string key(command.initialKey);
        ScannedDocument document = ScanDocument(txtData, file, findings);
        CheckDocument(document, file, key, findings);
        if (file == "kigo.txt") CheckKigoDocument(document, sections, table, file, findings);
        for (const Anthology& anthology : kAnthologies)
            if (anthology.file == file) CheckAnthology(document, anthology, sections, table, findings);
        if (file == "work.txt") CheckSourcesNamed(document, file, sections, findings);
        CheckWithLoader(txtData, file, key, findings);
    }

    const std::string tips = txtData + "/onepoint.txt";
    if (auto text = ReadWholeFile(tips)) {
        CheckTips(*text, "onepoint.txt", findings);
        CheckTipsWithLoader(tips, findings);
    } else {
        findings.Add("onepoint.txt", "unreadable", "the tips file cannot be read");
    }
}

}  // namespace museum
