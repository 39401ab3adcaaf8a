#pragma once
// Replacing a file's content without ever losing the old content: the new
// bytes go completely into a fresh file beside it, are flushed to disk, and
// only then take the old file's place. Qt-free.

#include <string>
#include <string_view>

namespace safefile {

enum class TReplaceStatus {
    Done,
    // The directory takes no new file; nothing was changed.
    NoTemporaryFile,
    // Anything else failed; the old file is as it was.
    Failed,
};

struct TReplaceResult {
    TReplaceStatus Status;
    int Error;  // errno of the failure, 0 when done

    bool Ok() const { return Status == TReplaceStatus::Done; }
    // The system's text for the failure.
    std::string Message() const;
};

// Replaces the content of the file at path by bytes. A link is followed (the
// file it names is replaced, the link stays); the old file's permissions are
// kept; an existing file the user may not write is left alone (Failed).
TReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace safefile
