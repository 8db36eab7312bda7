#include "platform/FileReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

constexpr const char* kTempMark = ".quillary-";

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsTempSuffix(std::string_view rest) {
    if (rest.size() != 6) return false;
    for (char c : rest)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// ".<name>.quillary-XXXXXX" (ours) or ".<name>.XXXXXX" (older versions' pattern).
bool IsOwnLeftover(std::string_view entry, std::string_view name) {
    std::string prefix = "." + std::string(name) + ".";
    if (!entry.starts_with(prefix)) return false;
    std::string_view rest = entry.substr(prefix.size());
    std::string_view mark(kTempMark + 1);  // "quillary-"
    if (rest.starts_with(mark)) rest.remove_prefix(mark.size());
    return IsTempSuffix(rest);
}

void RemoveLeftovers(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const uid_t me = ::geteuid();
    while (dirent* entry = ::readdir(dir)) {
        if (!IsOwnLeftover(entry->d_name, name)) continue;
        std::string leftover = folder + "/" + entry->d_name;
        struct stat st {};
        // Only a plain file of this user: never a link, a folder or someone else's file.
        if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == me)
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

bool WriteAll(int fd, std::string_view contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Gives the new file the old one's mode, owner and group (what the process may keep).
bool CopyAttributes(int fd, const struct stat* old) {
    if (!old) return true;  // a new file: created with the umask's mode
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
        if (::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) { /* keep ours */ }
    }
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

bool SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Writes through an unnamed file; false with *unsupported set when the system cannot
// make or name one, so the caller falls back to a named file.
bool WriteUnnamed(const std::string& folder, const std::string& target, std::string_view contents,
                  const struct stat* old, bool* unsupported) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        *unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
        return false;
    }
    bool ok = WriteAll(fd, contents) && CopyAttributes(fd, old) && ::fsync(fd) == 0;
    std::string temp;
    if (ok) {
        // The file gets a name only now that it is complete; the rename follows at once.
        char procPath[64];
        std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, "%06x",
                          static_cast<unsigned>((::getpid() * 7919u + attempt * 104729u) & 0xffffff));
            temp = folder + "/." + NameOf(target) + kTempMark + suffix;
            if (::linkat(AT_FDCWD, procPath, AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) break;
            temp.clear();
            if (errno != EEXIST) {
                *unsupported = true;  // no /proc, say: a named file will do
                break;
            }
        }
        ok = !temp.empty() && ::rename(temp.c_str(), target.c_str()) == 0;
        if (!ok && !temp.empty()) ::unlink(temp.c_str());
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool WriteNamed(const std::string& folder, const std::string& target, std::string_view contents,
                const struct stat* old) {
    std::string temp = folder + "/." + NameOf(target) + kTempMark + "XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, contents);
    if (ok && !old) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ok = ::fchmod(fd, 0666 & ~mask) == 0;
    }
    ok = ok && CopyAttributes(fd, old) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

std::string ResolveFileLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        char buffer[PATH_MAX];
        ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n < 0) return current;  // not a link (or nothing there yet)
        std::string link(buffer, static_cast<std::size_t>(n));
        current = link.starts_with('/') ? link : FolderOf(current) + "/" + link;
    }
    return current;
}

bool WriteFileReplacing(const std::string& path, std::string_view contents,
                        WriteFileError* error) {
    auto fail = [error](WriteFileError why) {
        if (error) *error = why;
        return false;
    };
    if (error) *error = WriteFileError::None;
    const std::string target = ResolveFileLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) return fail(WriteFileError::NotRegular);
        // A file marked read-only stays as it is, also for a user who could override the mark.
        if (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0)
            return fail(WriteFileError::ReadOnly);
        // Renaming over one link would split it from the others; writing in place could
        // leave a half file. Neither is done.
        if (old.st_nlink > 1) return fail(WriteFileError::HardLinked);
    }
    const std::string folder = FolderOf(target);
    RemoveLeftovers(folder, NameOf(target));
    const struct stat* attributes = exists ? &old : nullptr;
    bool unsupported = false;
    bool ok = WriteUnnamed(folder, target, contents, attributes, &unsupported);
    if (!ok && unsupported) ok = WriteNamed(folder, target, contents, attributes);
    if (!ok) return fail(WriteFileError::Failed);
    SyncFolder(folder);
    return true;
}
