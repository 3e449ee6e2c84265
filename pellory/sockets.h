// The few socket calls the stand-in service needs, one implementation per
// platform.
#ifndef PELLORY_SOCKETS_H
#define PELLORY_SOCKETS_H

#include <cstdint>

namespace Pellory {

using Socket = std::intptr_t;
constexpr Socket kNoSocket = -1;

/// A socket listening on address:port over TCP, or kNoSocket when it cannot
/// listen there (bad address, port taken).
Socket listenOn(const char* address, int port);
/// Waits for the next connection; kNoSocket once the listener is closed.
Socket acceptOn(Socket listener);
/// Makes a thread blocked in acceptOn on this socket return (with
/// kNoSocket), and ends the connection of a connected one.
void wake(Socket socket);
/// Frees a socket once it has been woken and no thread uses it any more.
void release(Socket socket);
/// Closes a socket that no thread waits on.
void closeSocket(Socket socket);

}  // namespace Pellory

#endif
