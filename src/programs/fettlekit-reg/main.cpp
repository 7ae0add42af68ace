// SPDX-License-Identifier: GPL-3.0-or-later
// fettlekit-reg: Windows' reg command over the registry the program edits:
// a Wine prefix's hive files (or Wine's live registry while Wine runs), or
// the real registry on Windows.
#include "platform/bridge/OpenRegistry.h"
#include "programs/fettlekit-reg/RegCommand.h"
#include "programs/fettlekit-reg/RegText.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#define FK_ISATTY(fd) _isatty(fd)
#else
#include "platform/hive/HiveRegistry.h"

#include <unistd.h>
#define FK_ISATTY(fd) ::isatty(fd)
#endif

namespace {

constexpr const char* ProgramHelp =
    "fettlekit-reg: Windows' reg command on a Wine prefix's registry.\n"
    "Usage: fettlekit-reg [--registry FILE] OPERATION [PARAMETERS]\n\n"
    "  --registry FILE  the prefix's user.reg to work on (HKEY_CURRENT_USER); the prefix's\n"
    "                   system.reg and userdef.reg beside it hold the other roots.\n"
    "                   Default: $WINEPREFIX/user.reg, else ~/.wine/user.reg.\n"
    "  --help           this text; REG /? and REG OPERATION /? give reg's own.\n\n";

#ifdef _WIN32
// The console shows UTF-16; a redirected output gets the OEM code page, as
// reg's own output does. Lines end in CR LF, as reg's messages do.
class ConsoleOutput final : public std::streambuf {
public:
    explicit ConsoleOutput(HANDLE handle) : handle_(handle) {}
    ~ConsoleOutput() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) pending_ += char(c);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        pending_.append(s, size_t(n));
        return n;
    }
    int sync() override {
        fk::regcli::Text text;
        for (char16_t c : fk::regcli::wide(pending_)) {
            if (c == u'\n' && (text.empty() || text.back() != u'\r')) text += u'\r';
            text += c;
        }
        pending_.clear();
        const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
        DWORD mode = 0, put = 0;
        if (GetConsoleMode(handle_, &mode)) return WriteConsoleW(handle_, wide, DWORD(text.size()), &put, nullptr) ? 0 : -1;
        int size = WideCharToMultiByte(GetOEMCP(), 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
        std::string bytes(size_t(size), '\0');
        WideCharToMultiByte(GetOEMCP(), 0, wide, int(text.size()), bytes.data(), size, nullptr, nullptr);
        return WriteFile(handle_, bytes.data(), DWORD(bytes.size()), &put, nullptr) ? 0 : -1;
    }

private:
    HANDLE handle_;
    std::string pending_;
};

// The words of the command line in UTF-8, whatever the ANSI code page.
std::vector<std::string> arguments(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(fk::regcli::shown(reinterpret_cast<const char16_t*>(argv[i])));
    return args;
}
#endif

int run(const std::vector<std::string>& words) {
    std::vector<std::string> args;
    std::string hivePath;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--registry" && i + 1 < words.size()) hivePath = words[++i];
        else if (words[i] == "--help") return std::cout << ProgramHelp << fk::regcli::Usage, 0;
        else args.push_back(words[i]);
    }
#ifdef _WIN32
    ConsoleOutput output(GetStdHandle(STD_OUTPUT_HANDLE));
    std::streambuf* const before = std::cout.rdbuf(&output);
#else
    if (hivePath.empty()) hivePath = fk::reg::defaultHivePath();
#endif

    // Opened only once reg's own checks of the command line have passed, so
    // that help and syntax errors need no registry.
    fk::reg::RegistryChoice opened;
    auto open = [&]() -> fk::reg::Registry* {
        opened = fk::reg::openRegistryFor(hivePath);
        if (opened.bridgeError)
            std::cerr << "fettlekit-reg: Wine's live registry cannot be reached: " << englishText(opened.bridgeError)
                      << "\n";
        if (!opened.registry) {
            std::cerr << "fettlekit-reg: " << englishText(opened.error) << "\n";
            return nullptr;
        }
        if (opened.wineRunning && fk::regcli::writesRegistry(args))
            std::cerr << "fettlekit-reg: Wine is running in this prefix, so changes cannot be saved now.\n";
        return opened.registry.get();
    };
    fk::regcli::Console console{std::cin, std::cout, std::cerr, FK_ISATTY(fileno(stdin)) != 0};
    int rc = fk::regcli::runReg(open, args, console);
    // Saved, but Wine started meanwhile (said on standard error): not a clean save.
    if (opened.registry && opened.registry->takeWineStartedDuringSave() && rc == 0) rc = 1;
    std::cout.flush();
#ifdef _WIN32
    std::cout.rdbuf(before);
#endif
    return rc;
}

}  // namespace

#ifdef _WIN32
// reg's own entry: the C runtime splits the command line as it does for reg,
// and no shell DLLs load, which would slow every start.
int wmain(int argc, wchar_t** argv) { return run(arguments(argc, argv)); }
#else
int main(int argc, char** argv) { return run({argv + 1, argv + argc}); }
#endif
