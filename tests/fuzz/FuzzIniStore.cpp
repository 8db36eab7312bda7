// Fuzz target: any bytes as an INI file. Setting a value must make it readable and
// leave every other value as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* sections[] = {"Settings", "Find Strings", "s"};
    const char* keys[] = {"onepoint", "Find1", "k"};
    for (const char* section : sections) {
        CIniText ini(text);
        const std::string value = "v" + text.substr(0, 8);
        ini.Set(section, "k", value);
        std::string expected = value;  // as read back: line breaks as spaces, no outer blanks
        for (char& c : expected)
            if (c == '\r' || c == '\n') c = ' ';
        while (!expected.empty() && (expected.back() == ' ' || expected.back() == '\t'))
            expected.pop_back();
        FUZZ_CHECK(ini.Find(section, "k") == expected);
        const CIniText before(text);
        for (const char* other : sections)
            for (const char* key : keys)
                if (std::string(other) != section || std::string(key) != "k")
                    FUZZ_CHECK(ini.Find(other, key) == before.Find(other, key) ||
                               (EqualNoCaseCp932(other, section) && EqualNoCaseCp932(key, "k")));
        (void)ParseProfileInt(text, 1);
    }
    return 0;
}
