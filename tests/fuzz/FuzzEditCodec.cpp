// Fuzz target: any bytes as a file in the edit window. A file that opens for editing is
// written back byte for byte unedited, and an edited one reads back as edited.
#include "FuzzSupport.h"
#include "app/TextFileCodec.h"

void fuzz::Test(const std::string& bytes) {
    DecodedText text = DecodeTextFile(bytes);
    if (text.readOnly) return;
    FUZZ_CHECK(EncodeTextFile(text.utf8, text.utf8, text.layout) == bytes);
    // An added line, and a removed one, at a place the input chooses.
    std::size_t lf = text.utf8.find('\n', Byte(bytes, 0, 0) % (text.utf8.size() + 1));
    if (lf == std::string::npos) lf = text.utf8.size();
    std::string added = text.utf8;
    added.insert(lf, "\nnew line");
    std::string removed = text.utf8;
    std::size_t next = removed.find('\n', lf + 1);
    removed.erase(lf, next == std::string::npos ? std::string::npos : next - lf);
    for (const std::string& edited : {added, removed}) {
        std::optional<std::string> saved = EncodeTextFile(edited, text.utf8, text.layout);
        FUZZ_CHECK(saved.has_value());
        DecodedText again = DecodeTextFile(*saved);
        // Removing a line can leave cp932 bytes that are valid UTF-8, which then reads
        // as UTF-8: compare only what reads back in the same encoding.
        if (again.layout.encoding != text.layout.encoding) continue;
        FUZZ_CHECK(!again.readOnly && again.utf8 == edited && again.layout.bom == text.layout.bom);
    }
}
