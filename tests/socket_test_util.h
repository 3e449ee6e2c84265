// Loopback sockets for the tests of the service stand-in and the launcher.
#ifndef TESTS_SOCKET_TEST_UTIL_H
#define TESTS_SOCKET_TEST_UTIL_H

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace TestUtil {

inline sockaddr_in loopback(int port) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<unsigned short>(port));
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return where;
}

/// A socket listening on a free loopback port chosen by the system.
struct HeldPort {
    int fd = -1;
    int port = 0;
    HeldPort() {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in where = loopback(0);
        bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where);
        listen(fd, 4);
        socklen_t length = sizeof where;
        getsockname(fd, reinterpret_cast<sockaddr*>(&where), &length);
        port = ntohs(where.sin_port);
    }
    ~HeldPort() { close(fd); }
};

/// Whether a socket could listen on 127.0.0.1:port a moment ago.
inline bool canListen(int port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    int reuse = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in where = loopback(port);
    bool free = bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 && listen(fd, 1) == 0;
    close(fd);
    return free;
}

/// A port that was free a moment ago.
inline int freePort() {
    HeldPort held;
    return held.port;
}

/// A connected socket to 127.0.0.1:port, or -1.
inline int connectTo(int port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where = loopback(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

inline bool canConnect(int port) {
    int fd = connectTo(port);
    if (fd < 0) return false;
    close(fd);
    return true;
}

}  // namespace TestUtil

#endif
