// fettlekit-reg: Windows' reg command over the registry the program edits:
// a Wine prefix's user.reg (or Wine's live registry while Wine runs), or
// the real registry on Windows.
#include "HiveRegistry.h"
#include "OpenRegistry.h"
#include "RegCommand.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define FK_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define FK_ISATTY(fd) ::isatty(fd)
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args;
    std::string hivePath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--registry" && i + 1 < argc) hivePath = argv[++i];
        else args.push_back(arg);
    }
#ifndef _WIN32
    if (hivePath.empty()) hivePath = fk::reg::defaultHivePath();
#endif

    auto opened = fk::reg::openRegistryFor(hivePath);
    if (!opened.bridgeError.empty())
        std::cerr << "fettlekit-reg: Wine's live registry cannot be reached: " << opened.bridgeError << "\n";
    if (!opened.registry) {
        std::cerr << "fettlekit-reg: " << opened.error << "\n";
        return 1;
    }
    if (opened.wineRunning && fk::regcli::writesRegistry(args))
        std::cerr << "fettlekit-reg: Wine is running in this prefix, so changes cannot be saved now.\n";

    fk::regcli::Console console{std::cin, std::cout, std::cerr, FK_ISATTY(fileno(stdin)) != 0};
    int status = fk::regcli::runReg(*opened.registry, args, console);
    // Saved, but Wine started meanwhile (said on standard error): not a clean save.
    if (opened.registry->takeWineStartedDuringSave() && status == 0) status = 1;
    return status;
}
