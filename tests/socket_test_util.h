// Loopback sockets for the tests of the service stand-in and the launcher,
// on POSIX sockets and on Winsock.
#ifndef TESTS_SOCKET_TEST_UTIL_H
#define TESTS_SOCKET_TEST_UTIL_H

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace TestUtil {

// The platform's few differences, so that the helpers below read the same.
#if defined(_WIN32)
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
inline Socket openSocket() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started ? socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) : kNoSocket;
}
inline void closeSocket(Socket s) { closesocket(s); }
/// Windows lets a socket with SO_REUSEADDR take a port another socket
/// holds, so a probe for a free port must not set it.
inline void allowQuickReuse(Socket) {}
inline bool waitReadable(Socket s, int milliseconds) {
    WSAPOLLFD wait{s, POLLRDNORM, 0};
    return WSAPoll(&wait, 1, milliseconds) == 1;
}
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
inline Socket openSocket() { return socket(AF_INET, SOCK_STREAM, 0); }
inline void closeSocket(Socket s) { close(s); }
inline void allowQuickReuse(Socket s) {
    int reuse = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
}
inline bool waitReadable(Socket s, int milliseconds) {
    pollfd wait{s, POLLIN, 0};
    return poll(&wait, 1, milliseconds) == 1;
}
#endif

inline sockaddr_in loopback(int port) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<unsigned short>(port));
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return where;
}

/// A socket listening on a free loopback port chosen by the system.
struct HeldPort {
    Socket socket = kNoSocket;
    int port = 0;
    HeldPort() {
        socket = openSocket();
        sockaddr_in where = loopback(0);
        bind(socket, reinterpret_cast<sockaddr*>(&where), sizeof where);
        listen(socket, 4);
        socklen_t length = sizeof where;
        getsockname(socket, reinterpret_cast<sockaddr*>(&where), &length);
        port = ntohs(where.sin_port);
    }
    ~HeldPort() { closeSocket(socket); }
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;
};

/// Whether a socket could listen on 127.0.0.1:port a moment ago.
inline bool canListen(int port) {
    Socket s = openSocket();
    allowQuickReuse(s);
    sockaddr_in where = loopback(port);
    bool free = bind(s, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 && listen(s, 1) == 0;
    closeSocket(s);
    return free;
}

/// A port that was free a moment ago.
inline int freePort() {
    HeldPort held;
    return held.port;
}

/// A connected socket to 127.0.0.1:port, or kNoSocket.
inline Socket connectTo(int port) {
    Socket s = openSocket();
    sockaddr_in where = loopback(port);
    if (connect(s, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        closeSocket(s);
        return kNoSocket;
    }
    return s;
}

inline bool canConnect(int port) {
    Socket s = connectTo(port);
    if (s == kNoSocket) return false;
    closeSocket(s);
    return true;
}

}  // namespace TestUtil

#endif
