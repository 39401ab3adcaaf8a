#include "drivecheck.h"

#include <sys/vfs.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace drive {
namespace {

constexpr long kIso9660Magic = 0x9660;
constexpr long kUdfMagic = 0x15013346;
constexpr std::string_view kOpticalFileSystems[] = {"iso9660", "udf"};
constexpr std::string_view kOpticalDevices[] = {"/dev/sr", "/dev/scd", "/dev/cdrom"};
constexpr std::string_view kOpticalMajor = "11";  // SCSI CD-ROM drives

// One line of mountinfo: the fields we need.
struct TMount {
    std::string Device;  // "major:minor"
    std::string MountPoint;
    std::string MountOptions;
    std::string FileSystem;
    std::string Source;
    std::string SuperOptions;
};

// Mount points write space, tab, newline and backslash as \ooo.
std::string Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            std::string_view digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string_view::npos) {
                out += static_cast<char>(std::stoi(std::string(digits), nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool ParseLine(const std::string& line, TMount& mount) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    // id parent major:minor root mount-point options [optional...] - type source super-options
    if (fields.size() < 10) return false;
    std::size_t dash = 6;
    while (dash < fields.size() && fields[dash] != "-") ++dash;
    if (dash + 2 >= fields.size()) return false;
    mount.Device = fields[2];
    mount.MountPoint = Unescape(fields[4]);
    mount.MountOptions = fields[5];
    mount.FileSystem = fields[dash + 1];
    mount.Source = fields[dash + 2];
    mount.SuperOptions = dash + 3 < fields.size() ? fields[dash + 3] : "";
    return true;
}

bool HasOption(std::string_view options, std::string_view option) {
    std::size_t start = 0;
    while (start <= options.size()) {
        std::size_t end = options.find(',', start);
        if (end == std::string_view::npos) end = options.size();
        if (options.substr(start, end - start) == option) return true;
        start = end + 1;
    }
    return false;
}

bool Contains(std::string_view mountPoint, std::string_view path) {
    if (mountPoint == "/") return true;
    if (!path.starts_with(mountPoint)) return false;
    return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

bool IsOptical(const TMount& mount) {
    for (std::string_view type : kOpticalFileSystems) {
        if (mount.FileSystem == type) return true;
    }
    bool readOnly = HasOption(mount.MountOptions, "ro") || HasOption(mount.SuperOptions, "ro");
    if (!readOnly) return false;
    if (mount.Device.substr(0, mount.Device.find(':')) == kOpticalMajor) return true;
    for (std::string_view device : kOpticalDevices) {
        if (mount.Source.starts_with(device)) return true;
    }
    return false;
}

}  // namespace

bool IsOpticalFileSystemType(long type) { return type == kIso9660Magic || type == kUdfMagic; }

bool IsOpticalMount(std::string_view mountinfo, std::string_view path) {
    // The last mount over the longest mount point that holds the path wins.
    TMount best;
    bool found = false;
    std::istringstream lines{std::string(mountinfo)};
    for (std::string line; std::getline(lines, line);) {
        TMount mount;
        if (!ParseLine(line, mount) || !Contains(mount.MountPoint, path)) continue;
        if (!found || mount.MountPoint.size() >= best.MountPoint.size()) {
            best = mount;
            found = true;
        }
    }
    return found && IsOptical(best);
}

bool IsOnOpticalMedium(const std::string& directory) {
    struct statfs info {};
    if (::statfs(directory.c_str(), &info) == 0 &&
        IsOpticalFileSystemType(static_cast<long>(info.f_type))) {
        return true;
    }
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(directory, error);
    if (error) return false;
    std::ifstream file("/proc/self/mountinfo");
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    return IsOpticalMount(text.str(), resolved.string());
}

}  // namespace drive
