// Reading files, as every reader of the program does it.
#pragma once

#include <fstream>
#include <optional>
#include <string>

// Opens path for binary reading only when it is a regular file: a FIFO or device
// could block and a directory fails its first read. False when it is not, or when
// it cannot be opened.
bool OpenRegularFile(const std::string& path, std::ifstream& in);

// The file's bytes; nullopt when path is not a regular file or cannot be opened or
// read to the end. Never throws for a read error.
std::optional<std::string> ReadWholeFile(const std::string& path);
