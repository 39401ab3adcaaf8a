#pragma once
// The eleven user settings and their 11-byte file Options.opt. Qt-free.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class TStartDelay { Long, Standard, Short, None };

struct TSettings {
    TStartDelay StartDelay = TStartDelay::Standard;
    bool AskSubjectAtStart = false;
    bool CheckSamples = false;
    bool AskOnExit = false;
    bool AskSaveOnExit = false;
    bool AnalyseBeforeShow = false;
    bool AnalyseBeforePrint = false;
    bool NoRepeatAnalysis = false;
    bool ShowAfterAnalysis = false;
    int Copies = 1;  // 1..3
    bool ChoosePrinter = false;

    bool operator==(const TSettings&) const = default;
};

// Milliseconds of the start window's delay: 3000, 1000, 500, 30.
int DelayMilliseconds(TStartDelay delay);

// Where the live settings come from: the settings window's controls. Every
// consumer asks at the moment it needs a setting.
class TSettingsSource {
  public:
    virtual ~TSettingsSource() = default;
    virtual TSettings CurrentSettings() const = 0;
};

// Options.opt beside the program: one byte per setting, no header.
//   0      start delay, "0" long, "1" standard, "2" short, "3" none
//   1..8   AskSubjectAtStart ... ShowAfterAnalysis: 0 off, anything else on
//   9      copies, "1", "2" or "3"
//   10     ChoosePrinter: 0 off, anything else on
inline constexpr const char* kSettingsFileName = "Options.opt";
inline constexpr std::size_t kSettingsRecordSize = 11;
using TSettingsRecord = std::array<unsigned char, kSettingsRecordSize>;

// The messages of a failed save, in the order they are shown.
inline constexpr const char* kSettingsProtectedMessage = "Файл настроек защищён от записи.";
inline constexpr const char* kSettingsNotWrittenMessage =
    "Невозможно произвести запись настроек программы.";

TSettingsRecord EncodeSettings(const TSettings& settings);
// Lays the record over `settings`: a delay or copies byte outside its
// characters leaves that setting as it was.
void DecodeSettings(const TSettingsRecord& record, TSettings& settings);

// Reads the settings file over `settings` and says whether it did. A missing
// file, one shorter than the record or one marked read-only (it must open for
// writing as well) leaves `settings` untouched. Bytes after the record are
// ignored.
bool ReadSettingsFile(const std::string& path, TSettings& settings);

// Writes the record as the whole file and returns the messages to show, none
// on success. A file that cannot be created or replaced gives both messages; a
// write that fails after that gives the second. A failed save leaves the file
// that was there before as it was.
std::vector<std::string> WriteSettingsFile(const std::string& path, const TSettings& settings);
