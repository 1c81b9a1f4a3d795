// Helpers for tests that run on a real kernel (inside the test VM): emulated
// adapters plugged in through uhid, and waits for what the kernel does
// asynchronously.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tools/vantor-emu/adapter_nodes.h"
#include "tools/vantor-emu/uhid_adapter.h"

namespace vantor::vm {

// Generous for a kernel under emulation; nodes usually take ~30 ms.
inline constexpr auto kKernelWait = std::chrono::seconds(3);

struct PluggedAdapter {
  std::unique_ptr<emu::UhidAdapter> Adapter;
  emu::AdapterNodes Nodes;
};

// Plugs in an emulated adapter and waits for its nodes. On failure the
// test fails and the result holds no adapter.
PluggedAdapter PlugAdapter(const emu::EmulatorOptions& options = {});

// Polls until done() holds or the time is up; the last answer of done().
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = kKernelWait);

// No hidraw node is left: a test starts from an empty bus.
bool NoHidrawNodes();

// Runs body in a child process as the unprivileged user "nobody" and gives
// back the text it returned; nothing when the child could not drop root or
// died.
std::optional<std::string> RunAsNobody(const std::function<std::string()>& body);

// Descriptors this process holds, to see that a failure closed all it opened.
int OpenDescriptorCount();

}  // namespace vantor::vm
