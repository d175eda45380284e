#pragma once
// An X server of the benchmark's own (Xvfb), started on a free display and stopped at the end.

#include <string>
#include <sys/types.h>

class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or empty when the server could not be started.
    const std::string& DisplayName() const { return displayName; }

private:
    pid_t server = -1;
    std::string displayName;
};
