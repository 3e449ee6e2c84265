#include "pellory/sockets.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Pellory {

Socket listenOn(const char* address, int port) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    if (!address || inet_pton(AF_INET, address, &where.sin_addr) != 1) return kNoSocket;
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return kNoSocket;
    int reuse = 1;  // a port in TIME_WAIT may be listened on again; a listening one may not
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    if (bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(fd, 16) != 0) {
        close(fd);
        return kNoSocket;
    }
    return fd;
}

Socket acceptOn(Socket listener) {
    int fd = accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return fd < 0 ? kNoSocket : fd;
}

// A shutdown wakes a blocked accept; the descriptor is closed only after
// the waiting thread is gone, so that it is never reused under that thread.
void wake(Socket socket) { shutdown(static_cast<int>(socket), SHUT_RDWR); }

void release(Socket socket) { close(static_cast<int>(socket)); }

void closeSocket(Socket socket) { close(static_cast<int>(socket)); }

}  // namespace Pellory
