// A sound server that accepts every connection and never answers: it reads what a client
// sends and keeps the connection open, as a hung server does.
//   silent_server SOCKET_PATH
// Runs until it is killed.

#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: silent_server SOCKET_PATH\n");
        return 2;
    }
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[1], sizeof(address.sun_path) - 1);
    unlink(argv[1]);
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
        listen(listener, 50) < 0) {
        std::perror("silent_server");
        return 1;
    }
    std::vector<pollfd> fds{{listener, POLLIN, 0}};
    char buffer[65536];
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0)
            return 1;
        for (std::size_t k = fds.size(); k-- > 1;) {
            if (!(fds[k].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (read(fds[k].fd, buffer, sizeof buffer) <= 0) {
                close(fds[k].fd);
                fds.erase(fds.begin() + std::ptrdiff_t(k));
            }
        }
        if (fds[0].revents & POLLIN) {
            const int client = accept(listener, nullptr, nullptr);
            if (client >= 0)
                fds.push_back({client, POLLIN, 0});
        }
    }
}
