#include "pellory/sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace Pellory {

namespace {
bool startWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}
}  // namespace

Socket listenOn(const char* address, int port) {
    if (!startWinsock()) return kNoSocket;
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<u_short>(port));
    if (!address || inet_pton(AF_INET, address, &where.sin_addr) != 1) return kNoSocket;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return kNoSocket;
    BOOL exclusive = TRUE;  // no other socket may share the port
    setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof exclusive);
    if (bind(s, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(s, 16) != 0) {
        closesocket(s);
        return kNoSocket;
    }
    return static_cast<Socket>(s);
}

Socket acceptOn(Socket listener) {
    SOCKET s = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    return s == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(s);
}

// Winsock wakes a blocked accept only by closing the socket.
void wake(Socket socket) { closesocket(static_cast<SOCKET>(socket)); }

void release(Socket) {}

void closeSocket(Socket socket) { closesocket(static_cast<SOCKET>(socket)); }

}  // namespace Pellory
