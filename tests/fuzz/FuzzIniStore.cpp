// Fuzz target: any bytes as an INI file. Setting a value must make it readable and
// leave every other value as it was.
#include <algorithm>

#include "FuzzSupport.h"
#include "platform/PrivateProfile.h"

void fuzz::Test(const std::string& text) {
    const char* sections[] = {"Settings", "Find Strings", "s"};
    const char* keys[] = {"onepoint", "Find1", "k"};
    const CIniText before(text);
    for (const char* section : sections) {
        CIniText ini(text);
        const std::string value = "v" + text.substr(0, 8);
        ini.Set(section, "k", value);
        std::string expected = value;  // as read back: line breaks as spaces, no outer blanks
        std::ranges::replace_if(expected, [](char c) { return c == '\r' || c == '\n'; }, ' ');
        expected.erase(expected.find_last_not_of(" \t") + 1);
        FUZZ_CHECK(ini.Find(section, "k") == expected);
        for (const char* other : sections)
            for (const char* key : keys)
                if (std::string(other) != section || std::string(key) != "k")
                    FUZZ_CHECK(ini.Find(other, key) == before.Find(other, key) ||
                               (EqualNoCaseCp932(other, section) && EqualNoCaseCp932(key, "k")));
        (void)ParseProfileInt(text, 1);
    }
}
