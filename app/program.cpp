#include "program.h"

#include <QWidget>
#include <QWindow>

void OpenSecondaryWindow(TProgram& program, QWidget* window) {
    if (program.MainWindow != nullptr) {
        // Kept above the main window as a dialog would be.
        window->winId();
        program.MainWindow->winId();
        window->windowHandle()->setTransientParent(program.MainWindow->windowHandle());
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (program.MainWindow != nullptr) program.MainWindow->setEnabled(false);
}

void CloseSecondaryWindow(TProgram& program, QWidget* window) {
    if (program.MainWindow != nullptr) {
        program.MainWindow->setEnabled(true);
        program.MainWindow->activateWindow();
    }
    window->hide();
}
