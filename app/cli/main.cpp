#include "app/cli/subcommands.h"

#include <iostream>

int main(int argc, char** argv)
{
    return guivarna::cli::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
}
