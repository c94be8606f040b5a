// apstool: a command-line front end over the fourteen exports of halvora.
#include "tools/apstool/app.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on the host: scripts compare the fixed formats line for line.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    return apstool::Run(args, {std::cin, std::cout, std::cerr});
}
