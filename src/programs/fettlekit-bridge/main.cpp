// SPDX-License-Identifier: GPL-3.0-or-later
// fettlekit-bridge.exe: serves the registry operations of the bridge
// protocol over its standard input and output, with advapi32 behind them.
// Fettlekit runs it under Wine, in the prefix whose registry it edits while
// Wine runs. It ends when its input ends.
#include "platform/bridge/BridgeProtocol.h"
#include "platform/bridge/BridgeServer.h"
#include "platform/registry/Win32Registry.h"

#include <windows.h>

namespace {

bool readAll(HANDLE in, void* data, DWORD size) {
    auto* p = static_cast<char*>(data);
    while (size > 0) {
        DWORD got = 0;
        if (!ReadFile(in, p, size, &got, nullptr) || got == 0) return false;
        p += got;
        size -= got;
    }
    return true;
}

bool writeAll(HANDLE out, const std::string& bytes) {
    const char* p = bytes.data();
    DWORD left = DWORD(bytes.size());
    while (left > 0) {
        DWORD put = 0;
        if (!WriteFile(out, p, left, &put, nullptr) || put == 0) return false;
        p += put;
        left -= put;
    }
    return true;
}

}  // namespace

int main() {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    fk::reg::Win32Registry registry;
    fk::bridge::BridgeServer server(registry);
    for (;;) {
        unsigned char header[4];
        if (!readAll(in, header, 4)) return 0;
        std::uint32_t size = fk::bridge::frameSize(header);
        if (size > fk::bridge::MaxFrame) return 2;
        std::string request(size, '\0');
        if (!readAll(in, request.data(), size)) return 2;
        std::string reply = server.serve(request);
        if (!writeAll(out, fk::bridge::frameHeader(std::uint32_t(reply.size())) + reply)) return 3;
    }
}
