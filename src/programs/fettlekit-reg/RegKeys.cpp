// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-reg/RegKeys.h"

#include "platform/registry/KeyHandle.h"

namespace fk::regcli {

using namespace fk::reg;

void walkTree(Registry& registry, Key top, const Text& topPath, std::size_t depth, std::uint32_t access,
              const std::function<void(Key, const Text&)>& visit, std::size_t& tooDeep) {
    struct Frame {
        Key key;
        KeyHandle owned;  // none for the caller's own top key
        Text path;
        std::uint32_t next = 0;
    };
    std::vector<Frame> stack;
    stack.push_back({top, {}, topPath});
    visit(top, topPath);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        Text name;
        if (readSubkeyAt(registry, frame.key, frame.next++, name) != Success) {
            stack.pop_back();
            continue;
        }
        if (depth + stack.size() > MaxKeyDepth) {
            ++tooDeep;
            continue;
        }
        KeyHandle child = KeyHandle::open(registry, frame.key, name, access);
        if (!child.ok()) continue;
        Text path = frame.path + u"\\" + name;
        visit(child.get(), path);
        const Key key = child.get();
        stack.push_back({key, std::move(child), std::move(path)});
    }
}

long emptyKey(Registry& registry, Key key, std::size_t depth, std::uint32_t access) {
    if (long rc = registry.RegDeleteTreeW(key, nullptr); rc != NotSupported) return rc;
    struct Frame {
        Key key;
        KeyHandle owned;  // none for the caller's own key
        Text name;
    };
    std::vector<Frame> stack;
    stack.push_back({key, {}, {}});
    long rc = Success;
    while (rc == Success) {
        Frame& frame = stack.back();
        Text name;
        rc = readSubkeyAt(registry, frame.key, 0, name);
        if (rc == Success) {
            if (depth + stack.size() > MaxKeyDepth) {
                rc = AccessDenied;
                break;
            }
            KeyHandle child = KeyHandle::open(registry, frame.key, name, access);
            rc = child.status();
            const Key opened = child.get();
            if (rc == Success) stack.push_back({opened, std::move(child), std::move(name)});
            continue;
        }
        if (rc != NoMoreItems) break;
        rc = Success;
        if (stack.size() == 1) break;
        // A key with no subkeys left goes, values and all, once it is closed.
        const Text done = std::move(stack.back().name);
        stack.pop_back();
        rc = registry.RegDeleteKeyW(stack.back().key, done.c_str());
    }
    stack.clear();
    if (rc != Success) return rc;
    for (ValueData value; readValueAt(registry, key, 0, value) == Success;)
        if ((rc = registry.RegDeleteValueW(key, value.name.c_str())) != Success) return rc;
    return Success;
}

}  // namespace fk::regcli
