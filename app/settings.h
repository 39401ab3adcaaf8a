#pragma once
// The eleven user settings and their 11-byte file Options.opt. Qt-free.

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
