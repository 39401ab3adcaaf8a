#include "safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

using safefile::TReplaceResult;
using safefile::TReplaceStatus;

// The file a link points at, or the path itself.
std::string Target(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions of the file being replaced, or those of a new file.
mode_t NewFileMode(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

TReplaceResult Failed(int error) { return {TReplaceStatus::Failed, error}; }

}  // namespace

namespace safefile {

std::string TReplaceResult::Message() const { return std::generic_category().message(Error); }

TReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::string target = Target(path);
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return Failed(errno);
    // A name of its own, so that no file of the user's is overwritten on the way.
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return {TReplaceStatus::NoTemporaryFile, errno};
    bool ok = ::fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) return {TReplaceStatus::Done, 0};
    ::unlink(temporary.c_str());
    return Failed(error);
}

}  // namespace safefile
