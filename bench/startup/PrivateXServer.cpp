#include "PrivateXServer.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

PrivateXServer::PrivateXServer() {
    int ready[2];
    if (pipe(ready) != 0)
        return;
    server = fork();
    if (server == 0) {
        close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        // A black root (-br), so that a window counts as shown only once it is painted.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-br",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // Xvfb writes its display number once it accepts clients.
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
        char c;
        if (read(ready[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(ready[0]);
    if (!number.empty())
        displayName = ":" + number;
}

PrivateXServer::~PrivateXServer() {
    if (server <= 0)
        return;
    kill(server, SIGTERM);
    int status = 0;
    while (waitpid(server, &status, 0) < 0 && errno == EINTR) {
    }
}
