#pragma once
// Whether the program runs from an optical (CD or DVD) medium. No Qt.

#include <string>
#include <string_view>

namespace drive {

// True only when the platform says that the directory lies on an optical
// medium; false when it does not, or when that cannot be known.
bool IsOnOpticalMedium(const std::string& directory);

// The two ways of knowing, open for tests.
// A file-system type from statfs (f_type) that only optical media carry:
// ISO 9660 or UDF.
bool IsOpticalFileSystemType(long type);
// From the text of /proc/self/mountinfo: whether the mount that holds `path`
// (absolute, links resolved) is an ISO 9660 or UDF file system, or a read-only
// mount of an optical drive (/dev/sr*, /dev/scd*, /dev/cdrom*, block major 11).
bool IsOpticalMount(std::string_view mountinfo, std::string_view path);

}  // namespace drive
