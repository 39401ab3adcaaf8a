#include "settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "safefile.h"

namespace {

// The check-box settings with their byte in the record.
struct TFlagByte {
    std::size_t Offset;
    bool TSettings::*Field;
};
constexpr TFlagByte kFlagBytes[] = {
    {1, &TSettings::AskSubjectAtStart}, {2, &TSettings::CheckSamples},
    {3, &TSettings::AskOnExit},         {4, &TSettings::AskSaveOnExit},
    {5, &TSettings::AnalyseBeforeShow}, {6, &TSettings::AnalyseBeforePrint},
    {7, &TSettings::NoRepeatAnalysis},  {8, &TSettings::ShowAfterAnalysis},
    {10, &TSettings::ChoosePrinter},
};
constexpr std::size_t kDelayByte = 0;
constexpr std::size_t kCopiesByte = 9;
constexpr int kDelayChoices = 4;
constexpr int kCopiesChoices = 3;

// A file closed however the function that opened it ends.
class TFile {
  public:
    explicit TFile(int fd) : fd_(fd) {}
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;
    ~TFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    // Closes now and says whether the close succeeded.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// The file as the settings see it: it must be a regular file that opens for
// reading and writing and whose permissions grant writing to someone (the
// read-only mark, which binds even the administrator).
int OpenExistingForReadWrite(const std::string& path, int flags) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return -1;
    return ::open(path.c_str(), flags | O_CLOEXEC);
}

bool WriteRecord(int fd, const TSettingsRecord& record) {
    std::size_t done = 0;
    while (done < record.size()) {
        ssize_t n = ::pwrite(fd, record.data() + done, record.size() - done, done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where the directory takes no new file but the file itself is writable: the
// record is laid over the old bytes first and the rest cut off afterwards, so
// the file is never empty on the way.
bool OverwriteInPlace(const std::string& path, const TSettingsRecord& record) {
    TFile file(OpenExistingForReadWrite(path, O_WRONLY));
    if (!file.IsOpen()) return false;
    bool ok = WriteRecord(file.Fd(), record) &&
              ::ftruncate(file.Fd(), static_cast<off_t>(record.size())) == 0 &&
              ::fsync(file.Fd()) == 0;
    return file.Close() && ok;
}

}  // namespace

int DelayMilliseconds(TStartDelay delay) {
    constexpr int kMilliseconds[kDelayChoices] = {3000, 1000, 500, 30};
    return kMilliseconds[static_cast<int>(delay)];
}

TSettingsRecord EncodeSettings(const TSettings& settings) {
    TSettingsRecord record{};
    record[kDelayByte] = static_cast<unsigned char>('0' + static_cast<int>(settings.StartDelay));
    for (const TFlagByte& flag : kFlagBytes) record[flag.Offset] = settings.*flag.Field ? 1 : 0;
    record[kCopiesByte] = static_cast<unsigned char>('0' + settings.Copies);
    return record;
}

void DecodeSettings(const TSettingsRecord& record, TSettings& settings) {
    int delay = record[kDelayByte] - '0';
    if (delay >= 0 && delay < kDelayChoices) settings.StartDelay = static_cast<TStartDelay>(delay);
    for (const TFlagByte& flag : kFlagBytes) settings.*flag.Field = record[flag.Offset] != 0;
    int copies = record[kCopiesByte] - '0';
    if (copies >= 1 && copies <= kCopiesChoices) settings.Copies = copies;
}

bool ReadSettingsFile(const std::string& path, TSettings& settings) {
    TFile file(OpenExistingForReadWrite(path, O_RDWR));
    if (!file.IsOpen()) return false;
    TSettingsRecord record{};
    std::size_t done = 0;
    while (done < record.size()) {
        ssize_t n = ::read(file.Fd(), record.data() + done, record.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    DecodeSettings(record, settings);
    return true;
}

std::vector<std::string> WriteSettingsFile(const std::string& path, const TSettings& settings) {
    const std::vector<std::string> protectedFile = {kSettingsProtectedMessage,
                                                    kSettingsNotWrittenMessage};
    const std::vector<std::string> notWritten = {kSettingsNotWrittenMessage};

    struct stat info {};
    bool exists = ::lstat(path.c_str(), &info) == 0;
    if (exists) {
        TFile probe(OpenExistingForReadWrite(path, O_WRONLY));
        if (!probe.IsOpen()) return protectedFile;
    }
    const TSettingsRecord record = EncodeSettings(settings);
    const std::string_view bytes(reinterpret_cast<const char*>(record.data()), record.size());
    switch (safefile::ReplaceFileContents(path, bytes).Status) {
        case safefile::TReplaceStatus::Done:
            return {};
        case safefile::TReplaceStatus::Failed:
            return notWritten;
        case safefile::TReplaceStatus::NoTemporaryFile:
            break;
    }
    if (!exists) return protectedFile;
    return OverwriteInPlace(path, record) ? std::vector<std::string>{} : notWritten;
}
