#include "app/window_program.h"
#include "process/standard_descriptors.h"

// smscfg [PORT]
int main(int argc, char *argv[])
{
    // Before anything is opened: a closed standard descriptor would be
    // reused by the first file or device the program opens.
    smscfg::ensureStandardDescriptors();
    return smscfg::runWindowProgram(argc, argv);
}
