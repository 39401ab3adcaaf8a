// Veltra: start-up. The start window is shown for the configured delay and
// hands over to the main window; closing the main window ends the program.

#include "application.h"
#include "program.h"
#include "started.h"
#include "windows.h"

int main(int argc, char** argv) {
    TVeltraApplication application(argc, argv);
    TProgram program;
    CreateWindows(program);
    program.Started->show();
    return application.exec();
}
