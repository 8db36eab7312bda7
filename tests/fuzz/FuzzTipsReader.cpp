// Fuzz target: reads any bytes as the tips file, for a few requested numbers,
// checking the shape of title and body.
#include "FuzzSupport.h"
#include "reader/TipsReader.h"

void fuzz::Test(const std::string& bytes) {
    const std::string path = WriteScratch("onepoint.txt", bytes);
    CTipsReader reader;
    const int requests[] = {-1, 0, 1, 2, 3, 5, 9, 2147483647, -2147483647 - 1};
    for (int requested : requests) {
        int current = reader.LoadTip(path, requested);
        FUZZ_CHECK(current >= 0);
        if (requested > 0) FUZZ_CHECK(current == requested || current == 1);
        FUZZ_CHECK(reader.Body().starts_with("\n"));
        FUZZ_CHECK(reader.Body().back() == '\n');
        FUZZ_CHECK(reader.Title().empty() || reader.Title().back() == '\n');
        FUZZ_CHECK(reader.Title().size() <= CTipsReader::kTitleBytes + 1);
    }
}
