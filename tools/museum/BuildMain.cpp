// museum_build: turns the museum's UTF-8 sources into what the program reads.
//
//   museum_build collection <data dir> <TxtData dir> <BuiltinHaiku.cpp>
//       the built-in haiku table, tavelo.txt, kigo.txt, 500.txt, 550.txt, 600.txt
//   museum_build document <source.txt> <target.txt>
//       one reading-matter document converted to cp932
//
// A character without a cp932 form or an unreadable source fails the run with
// the file and line. Faults of the collection's content (counts, ranges, widths)
// are left to museum_check, which proves every rule on the generated files.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "AnthologyWriter.h"
#include "BuiltinHaikuWriter.h"
#include "Collection.h"
#include "CommentaryWriter.h"
#include "DocumentConverter.h"
#include "KigoWriter.h"
#include "Museum.h"
#include "TextFile.h"

namespace {

using namespace museum;

// A prose source (preface, introduction): paragraphs one a line, in cp932.
std::vector<std::string> ReadParagraphs(const std::string& path, Findings& findings) {
    auto text = ReadWholeFile(path);
    if (!text) {
        findings.Add(path, "unreadable", "the file cannot be read");
        return {};
    }
    std::vector<std::string> paragraphs;
    int number = 0;
    std::string name = std::filesystem::path(path).filename().string();
    for (const std::string& line : SplitLines(*text)) {
        ++number;
        if (line.starts_with("#")) continue;
        paragraphs.push_back(LineToCp932(line, name, number, findings));
    }
    while (!paragraphs.empty() && paragraphs.back().empty()) paragraphs.pop_back();
    return paragraphs;
}

// The first few warnings; museum_check lists them all.
void PrintSome(const Findings& warnings, std::size_t most) {
    Findings shown;
    for (std::size_t i = 0; i < warnings.Size() && i < most; ++i) {
        const Finding& f = warnings.All()[i];
        shown.Add(f.where, f.rule, f.message);
    }
    shown.Print(std::cerr);
    if (warnings.Size() > most)
        std::cerr << "museum_build: " << warnings.Size() - most << " more warnings; museum_check lists them\n";
}

bool Write(const std::string& path, const std::string& text) {
    if (WriteWholeFile(path, text)) return true;
    std::cerr << path << ": cannot be written\n";
    return false;
}

int BuildCollection(const std::string& dataDir, const std::string& txtData, const std::string& cpp) {
    Findings faults;
    Collection collection = LoadCollection(dataDir, faults);
    EraNames eras;
    eras.Load(dataDir + "/eras.tsv", faults);
    std::vector<std::string> intro = ReadParagraphs(dataDir + "/prefaces/kigo.txt", faults);
    std::vector<std::vector<std::string>> prefaces;
    for (const Anthology& anthology : kAnthologies)
        prefaces.push_back(ReadParagraphs(dataDir + "/prefaces/" + std::string(anthology.file), faults));
    if (!faults.Empty()) {
        faults.Print(std::cerr);
        std::cerr << "museum_build: the sources have faults; nothing was written\n";
        return 1;
    }

    Findings warnings;
    bool ok = Write(cpp, BuiltinHaikuSource(collection.haiku)) &&
              Write(txtData + "/tavelo.txt", CommentaryText(collection.haiku)) &&
              Write(txtData + "/kigo.txt", KigoDocument(collection, intro, warnings));
    for (std::size_t i = 0; ok && i < kAnthologies.size(); ++i)
        ok = Write(txtData + "/" + std::string(kAnthologies[i].file),
                   AnthologyDocument(kAnthologies[i], collection.haiku, eras, prefaces[i]));
    PrintSome(warnings, 10);
    return ok ? 0 : 1;
}

int BuildDocument(const std::string& source, const std::string& target) {
    auto text = ReadWholeFile(source);
    if (!text) {
        std::cerr << source << ": cannot be read\n";
        return 1;
    }
    Findings faults;
    std::string converted = ConvertDocument(*text, source, faults);
    if (!faults.Empty()) {
        faults.Print(std::cerr);
        std::cerr << "museum_build: " << source << " cannot be written in cp932\n";
        return 1;
    }
    return Write(target, converted) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "collection") return BuildCollection(args[1], args[2], args[3]);
    if (args.size() == 3 && args[0] == "document") return BuildDocument(args[1], args[2]);
    std::cerr << "usage: museum_build collection <data dir> <TxtData dir> <BuiltinHaiku.cpp>\n"
                 "       museum_build document <source.txt> <target.txt>\n";
    return 2;
}
