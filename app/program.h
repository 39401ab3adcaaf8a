#pragma once
// The program's shared state and its windows. One instance lives for the
// whole run; main() creates the windows in their fixed order and fills in the
// pointers. Windows reach each other and the shared state through it.

#include <string>

#include "answersheet.h"
#include "report.h"
#include "settings.h"
#include "subject.h"

class QWidget;
class TStarted;
class TMainForm;
class TOptions;
class TInfoChel;
class TAboutProgramm;
class TSovmest;
class TAnaliz;
class TResultAnalized;
class TViewExample;

struct TProgram {
    // The executable's directory with its trailing separator.
    std::string ProgramDir;

    TAnswerSheet Sheet;
    TSubject Subject;
    TReportText Report;

    // The live settings: the settings window's controls.
    const TSettingsSource* Settings = nullptr;

    TStarted* Started = nullptr;
    TMainForm* MainForm = nullptr;
    TOptions* Options = nullptr;
    TInfoChel* InfoChel = nullptr;
    TAboutProgramm* AboutProgramm = nullptr;
    TSovmest* Sovmest = nullptr;
    TAnaliz* Analiz = nullptr;
    TResultAnalized* ResultAnalized = nullptr;
    TViewExample* ViewExample = nullptr;
};

// The window protocol of every secondary window: opening shows it and
// disables the main window; any close hides it and enables the main window.
void OpenSecondaryWindow(TProgram& program, QWidget* window);
void CloseSecondaryWindow(TProgram& program, QWidget* window);
