// Replacing a file's contents so that nothing is lost or changed behind the user's back:
//   - the new contents are written to an unnamed temporary file in the folder of the
//     file the path leads to (a symbolic link is followed, so the link stays a link and
//     its target gets the new text), synced, and only then given a name and renamed over
//     the old file; the folder is synced after the rename;
//   - where the system has no unnamed temporary files, a named one of the pattern
//     ".<name>.quillary-XXXXXX" is used; leftovers of that pattern (or of the older
//     ".<name>.XXXXXX"), from a process killed while writing, are removed at the next save;
//   - mode, owner and group of the old file are kept as far as the process may set them;
//   - a file with several hard links, a file that is not a regular file, and a file
//     without write permission are refused and left exactly as they were.
//
//   WriteFileError error;
//   if (!WriteFileReplacing(path, bytes, &error)) Report(error);
#pragma once

#include <string>
#include <string_view>

enum class WriteFileError { None, ReadOnly, HardLinked, NotRegular, Failed };

bool WriteFileReplacing(const std::string& path, std::string_view contents,
                        WriteFileError* error = nullptr);

// Where a path leads after following symbolic links in its last component (the target
// need not exist yet). The path itself when it is not a link.
std::string ResolveFileLinks(const std::string& path);
