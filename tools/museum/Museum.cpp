#include "Museum.h"

namespace museum {

const SourceWork* FindSource(std::string_view name) {
    for (const SourceWork& source : kSources)
        if (source.name == name) return &source;
    return nullptr;
}

}  // namespace museum
