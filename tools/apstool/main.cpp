// apstool: a command-line front end over the fourteen exports of halvora.
#include "tools/apstool/app.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return apstool::Run(args, {std::cin, std::cout, std::cerr});
}
