#include "app/window_program.h"

// smscfg [PORT]
int main(int argc, char *argv[])
{
    return smscfg::runWindowProgram(argc, argv);
}
