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
    // The main window as a plain widget, set together with MainForm: the
    // window protocol and the start-up reach the main window through it.
    QWidget* MainWindow = nullptr;
    TOptions* Options = nullptr;
    TInfoChel* InfoChel = nullptr;
    TAboutProgramm* AboutProgramm = nullptr;
    TSovmest* Sovmest = nullptr;
    TAnaliz* Analiz = nullptr;
    TResultAnalized* ResultAnalized = nullptr;
    TViewExample* ViewExample = nullptr;
};

// The window protocol of every secondary window: opening shows it (above the
// main window) and disables the main window; any close hides it and enables
// the main window. A secondary window must not be a child of the main window,
// which would disable it too. TSecondaryWindow (secondarywindow.h) follows
// this protocol for every way of closing.
void OpenSecondaryWindow(TProgram& program, QWidget* window);
void CloseSecondaryWindow(TProgram& program, QWidget* window);
