// fettlekit-reg: Windows' reg command over a Wine prefix's user.reg.
#include "HiveRegistry.h"
#include "RegCommand.h"

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args;
    std::string hivePath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--registry" && i + 1 < argc) hivePath = argv[++i];
        else args.push_back(arg);
    }
    if (hivePath.empty()) hivePath = fk::reg::defaultHivePath();

    auto hive = fk::reg::openHiveRegistry(hivePath);
    if (!hive.registry) {
        std::cerr << "fettlekit-reg: " << hive.error << "\n";
        return 1;
    }
    if (hive.wineRunning && fk::regcli::writesRegistry(args))
        std::cerr << "fettlekit-reg: Wine is running in this prefix, so changes cannot be saved now.\n";

    fk::regcli::Console console{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) != 0};
    return fk::regcli::runReg(*hive.registry, args, console);
}
