// The stand-in for the local web-socket service library. StartBrantel
// listens on address:port over TCP and holds every connection until
// StopBrantel closes that port's listener and connections. It speaks no
// protocol: what matters to the launcher is that a port is really taken.
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "pellory/sockets.h"

#if defined(_WIN32)
#define PELLORY_EXPORT extern "C" __declspec(dllexport)
#else
#define PELLORY_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace Pellory {
namespace {

class Listener {
public:
    explicit Listener(Socket listening) : socket(listening), acceptor([this] { acceptAll(); }) {}

    /// Closes the listener and every connection it accepted.
    ~Listener() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
            for (Socket connection : connections) wake(connection);
        }
        wake(socket);
        acceptor.join();
        release(socket);
        for (Socket connection : connections) release(connection);
    }

private:
    void acceptAll() {
        for (;;) {
            Socket connection = acceptOn(socket);
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping) {
                if (connection != kNoSocket) closeSocket(connection);
                return;
            }
            if (connection == kNoSocket) {
                // A failed accept (an aborted connection, no descriptors
                // left) does not end the service; wait a little and go on.
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            connections.push_back(connection);
        }
    }

    Socket socket;
    std::mutex mutex;
    bool stopping = false;
    std::vector<Socket> connections;
    std::thread acceptor;
};

// Started ports; whatever is still listening when the library is unloaded is
// closed then.
std::mutex listenersMutex;
std::map<int, std::unique_ptr<Listener>> listeners;

}  // namespace
}  // namespace Pellory

/// Starts the service on address:port. 1 when it now listens there; 0 when
/// it cannot (port out of range or already started, address not an IPv4
/// address, port taken). The third argument is not read.
PELLORY_EXPORT int StartBrantel(const char* address, int port, void* /*reserved*/) {
    using namespace Pellory;
    if (port < 1 || port > 65535) return 0;
    std::lock_guard<std::mutex> lock(listenersMutex);
    if (listeners.count(port)) return 0;
    Socket socket = listenOn(address, port);
    if (socket == kNoSocket) return 0;
    try {
        listeners[port] = std::make_unique<Listener>(socket);
    } catch (...) {  // no thread or no memory: the service did not start
        listeners.erase(port);
        closeSocket(socket);
        return 0;
    }
    return 1;
}

/// Stops the service on `port`: closes its listener and connections. A port
/// not started is ignored.
PELLORY_EXPORT void StopBrantel(int port) {
    using namespace Pellory;
    std::unique_ptr<Listener> stopped;
    {
        std::lock_guard<std::mutex> lock(listenersMutex);
        auto found = listeners.find(port);
        if (found == listeners.end()) return;
        stopped = std::move(found->second);
        listeners.erase(found);
    }
}
