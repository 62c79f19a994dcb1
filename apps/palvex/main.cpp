#include "command_line.h"

int main(int argc, char** argv) { return palvex::cli::runCommandLine(argc, argv); }
