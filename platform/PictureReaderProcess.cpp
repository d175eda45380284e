#include "platform/PictureReaderProcess.h"

#include "platform/ProgramFiles.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QMutex>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

QMutex programLock;
QString programInUse;

class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor(descriptor) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor; }
    void Close() {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }

private:
    int descriptor;
};

// The reader's process. One that is not seen to its end is killed and reaped when this
// goes, so that no reader outlives the wait for it and none is left a zombie.
class Child {
public:
    explicit Child(pid_t pid) : pid(pid) {}
    ~Child() {
        if (pid <= 0)
            return;
        ::kill(pid, SIGKILL);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid > 0; }

    // Waits for the end until the deadline; true when the process ended by itself with
    // success.
    bool EndsWell(Clock::time_point deadline) {
        for (;;) {
            int status = 0;
            const pid_t ended = ::waitpid(pid, &status, WNOHANG);
            if (ended == pid) {
                pid = -1;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
            if (ended < 0 && errno != EINTR)
                return false;
            if (Clock::now() >= deadline)
                return false;
            // Having closed its side, the reader is about to end.
            const timespec pause{0, 500'000};
            ::nanosleep(&pause, nullptr);
        }
    }

private:
    pid_t pid;
};

// Starts the program with the file as its input, its output on `answer`, its errors where
// ours go and nothing else open; 0 when it cannot be started.
pid_t Start(const QString& program, const QList<QByteArray>& arguments, int file, int answer) {
    const QByteArray path = QFile::encodeName(program);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.constData()));
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    ::posix_spawn_file_actions_adddup2(&actions, file, STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, answer, STDOUT_FILENO);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // The reader starts with no signal blocked and a broken pipe ending it, whatever the
    // calling thread has set.
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failed =
        ::posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : 0;
}

QList<QByteArray> Arguments(const char* format, qint64 length, const PictureReply& reply) {
    QList<QByteArray> arguments{QByteArray(format), QByteArray::number(length)};
    if (reply.SizeOnly()) {
        arguments << QByteArrayLiteral("size");
    } else {
        arguments << QByteArrayLiteral("picture") << QByteArray::number(reply.MinimumSize().width())
                  << QByteArray::number(reply.MinimumSize().height());
    }
    return arguments;
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

} // namespace

QString PictureReaderProcess::ProgramName() {
    return QStringLiteral("tessaly-picture-reader");
}

QString PictureReaderProcess::Program() {
    {
        const QMutexLocker lock(&programLock);
        if (!programInUse.isEmpty())
            return programInUse;
    }
    return ProgramFiles::Library(ProgramName());
}

void PictureReaderProcess::UseProgram(const QString& program) {
    const QMutexLocker lock(&programLock);
    programInUse = program;
}

PictureReply PictureReaderProcess::Run(const QString& program, const RegularFile& file,
                                       const char* format, PictureReply reply) {
    const Clock::time_point deadline = Clock::now() + TimeLimit;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        reply.Break();
        return reply;
    }
    Descriptor answer(ends[0]);
    Descriptor theirs(ends[1]);
    Child child(
        Start(program, Arguments(format, file.Size(), reply), file.Descriptor(), theirs.Get()));
    theirs.Close();
    if (!child.Started()) {
        reply.Break();
        return reply;
    }

    // Until the reader closes its side: a complete answer with anything after it is broken.
    std::array<char, 64 * 1024> received;
    while (reply.Current() != PictureReply::State::Broken) {
        const int wait = MillisecondsUntil(deadline);
        if (wait <= 0) {
            reply.Break();
            return reply;
        }
        pollfd watched{answer.Get(), POLLIN, 0};
        const int ready = ::poll(&watched, 1, wait);
        if (ready < 0 && errno != EINTR) {
            reply.Break();
            return reply;
        }
        if (ready <= 0)
            continue;
        const ssize_t count = ::read(answer.Get(), received.data(), received.size());
        if (count > 0) {
            reply.Take(received.data(), count);
        } else if (count == 0 || errno != EINTR) {
            reply.End();
            break;
        }
    }
    if (reply.Current() != PictureReply::State::Broken && !child.EndsWell(deadline))
        reply.Break();
    return reply;
}
