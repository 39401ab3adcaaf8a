#include "windows.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "aboutprogramm.h"
#include "options.h"
#include "program.h"
#include "secondarywindow.h"
#include "sovmest.h"
#include "started.h"
// Each folder that delivers a window adds its header here.

namespace {

// PLACEHOLDER until TMainForm (questionnaire/) is here: a bare main window
// whose menus open the shell's windows. Goes with the line that creates it.
QWidget* CreatePlaceholderMainWindow(TProgram& program) {
    auto* window = new QMainWindow;
    window->setWindowTitle(QStringLiteral("Veltra 2.5.0.0."));
    window->setCentralWidget(new QLabel(QStringLiteral("Veltra"), window));
    window->resize(810, 430);
    CentreOnDesktop(*window);
    QMenu* settings = window->menuBar()->addMenu(QStringLiteral("Настройки"));
    const char* tabs[] = {"Запуск", "Выход", "Анализирование", "Печать"};
    for (int tab = 0; tab < 4; ++tab) {
        settings->addAction(QString::fromUtf8(tabs[tab]),
                            [&program, tab] { program.Options->OpenOnTab(tab); });
    }
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("Справка"));
    help->addAction(QStringLiteral("О программе"), [&program] { program.AboutProgramm->Open(); });
    help->addSeparator();
    help->addAction(QStringLiteral("Совместимость с Windows"),
                    [&program] { program.Sovmest->Open(); });
    return window;
}

}  // namespace

void CreateWindows(TProgram& program) {
    // 1. The start window; it computes ProgramDir.
    program.Started = new TStarted(program);

    // 2. The main window. questionnaire/ replaces the placeholder line with
    //        program.MainWindow = program.MainForm = new TMainForm(program);
    program.MainWindow = CreatePlaceholderMainWindow(program);

    // 3. The settings window; it reads Options.opt and sets the start delay.
    program.Options = new TOptions(program);
    program.Settings = program.Options;

    // 4. The subject window (subject/):
    //        program.InfoChel = new TInfoChel(program);

    // 5. The about window.
    program.AboutProgramm = new TAboutProgramm(program);

    // 6. The compatibility window.
    program.Sovmest = new TSovmest(program);

    // 7. The analysis progress window (engine/):
    //        program.Analiz = new TAnaliz(program);

    // 8. The result window (results/):
    //        program.ResultAnalized = new TResultAnalized(program);

    // 9. The example viewer (questionnaire/):
    //        program.ViewExample = new TViewExample(program);

    // Closing the main window ends the program, asking nothing.
    program.Started->EndWithMainWindow(program.MainWindow);
}
