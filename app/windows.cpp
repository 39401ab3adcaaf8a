#include "windows.h"

#include "aboutprogramm.h"
#include "analiz.h"
#include "infochel.h"
#include "mainwindow.h"
#include "options.h"
#include "program.h"
#include "resultanalized.h"
#include "sovmest.h"
#include "started.h"
#include "viewexample.h"
// Each folder that delivers a window adds its header here.

void CreateWindows(TProgram& program) {
    // 1. The start window; it computes ProgramDir.
    program.Started = new TStarted(program);

    // 2. The main window.
    program.MainWindow = program.MainForm = new TMainForm(program);

    // 3. The settings window; it reads Options.opt and sets the start delay.
    program.Options = new TOptions(program);
    program.Settings = program.Options;

    // 4. The subject window; it loads the male name lists and becomes what
    //    step 1 of the main window opens.
    program.InfoChel = new TInfoChel(program);

    // 5. The about window.
    program.AboutProgramm = new TAboutProgramm(program);

    // 6. The compatibility window.
    program.Sovmest = new TSovmest(program);

    // 7. The analysis progress window. It has no parent: the main window is
    //    disabled while it shows, and a child window would be disabled too.
    program.Analiz = new TAnaliz;

    // 8. The result window.
    program.ResultAnalized = new TResultAnalized(program);

    // 9. The example viewer.
    program.ViewExample = new TViewExample(program);

    // Closing the main window ends the program, asking nothing.
    program.Started->EndWithMainWindow(program.MainWindow);
}
