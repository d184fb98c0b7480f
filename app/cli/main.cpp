#include "app/cli/subcommands.h"

#include <iostream>

int main(int argc, char** argv)
{
    const int status = guivarna::cli::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
    // Results that never reached stdout (a full disk, a closed pipe) must not look like success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "guivarna-cli: cannot write the output\n";
        return 1;
    }
    return status;
}
