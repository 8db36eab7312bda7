// Reading a whole file, as every reader of the program does it.
#pragma once

#include <optional>
#include <string>

// The file's bytes; nullopt when path is not a regular file (a FIFO or device could
// block, a directory fails its first read) or cannot be opened or read to the end.
// Never throws for a read error.
std::optional<std::string> ReadWholeFile(const std::string& path);
