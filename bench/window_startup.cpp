// smscfg as it starts (the same start-up as the program's), ending at its
// first paint.
#include "app/main_window.h"
#include "app/window_program.h"
#include "first_paint.h"

int main(int argc, char *argv[])
{
    return smscfg::runWindowProgram(argc, argv, [](smscfg::MainWindow &window) {
        new QuitAfterFirstPaint(&window);
    });
}
