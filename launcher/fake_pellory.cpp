// A recording stand-in for the service library: it accepts the ports from
// a configured one on and records every call, for the launcher's tests.
#include <string>
#include <vector>

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
int acceptFrom = 0;  // 0 accepts no port
std::vector<int> startPorts;
std::vector<std::string> startAddresses;
std::vector<const void*> startReserved;
std::vector<int> stopPorts;
}  // namespace

FAKE_EXPORT int StartBrantel(const char* address, int port, void* reserved) {
    startPorts.push_back(port);
    startAddresses.push_back(address ? address : "(null)");
    startReserved.push_back(reserved);
    return acceptFrom != 0 && port >= acceptFrom ? 1 : 0;
}

FAKE_EXPORT void StopBrantel(int port) { stopPorts.push_back(port); }

/// Forgets every call and accepts ports from `firstAccepted` on (0: none).
FAKE_EXPORT void FakeReset(int firstAccepted) {
    acceptFrom = firstAccepted;
    startPorts.clear();
    startAddresses.clear();
    startReserved.clear();
    stopPorts.clear();
}

FAKE_EXPORT int FakeStartCount() { return static_cast<int>(startPorts.size()); }
FAKE_EXPORT int FakeStartPort(int i) { return startPorts.at(i); }
FAKE_EXPORT const char* FakeStartAddress(int i) { return startAddresses.at(i).c_str(); }
FAKE_EXPORT const void* FakeStartReserved(int i) { return startReserved.at(i); }
FAKE_EXPORT int FakeStopCount() { return static_cast<int>(stopPorts.size()); }
FAKE_EXPORT int FakeStopPort(int i) { return stopPorts.at(i); }
