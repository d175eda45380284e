#include "ThreadPriority.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Low among real-time priorities: above every ordinary thread, below the sound server's.
constexpr int RealTimePriority = 4;
constexpr int NiceLevel = -11;
constexpr int BusTimeoutMs = 200;

const QString Kit = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString KitPath = QStringLiteral("/org/freedesktop/RealtimeKit1");

bool SetRoundRobin(int priority) {
    sched_param param{};
    param.sched_priority = priority;
    // Threads started from this one later inherit it: the engine's thread starts the one
    // that carries its sound to the server (Qt's connection).
    return sched_setscheduler(
               gettid(), std::getenv("TS_DIAG_RESET") ? SCHED_RR | SCHED_RESET_ON_FORK : SCHED_RR,
               &param) == 0;
}

bool SetNice(int level) {
    return setpriority(PRIO_PROCESS, id_t(gettid()), level) == 0;
}

QVariant KitProperty(const QDBusConnection& bus, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        Kit, KitPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << Kit << name;
    const QDBusMessage reply = bus.call(get, QDBus::Block, BusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

bool KitCall(const QDBusConnection& bus, const QString& method, const QVariant& level) {
    QDBusMessage call = QDBusMessage::createMethodCall(Kit, KitPath, Kit, method);
    call << QVariant::fromValue(qulonglong(gettid())) << level;
    return bus.call(call, QDBus::Block, BusTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

// The desktop's real-time kit grants real-time scheduling to a thread whose process limits
// the processor time a real-time thread may take without sleeping.
ThreadPriority::Raised ThroughKit() {
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return ThreadPriority::Raised::No;
    const int maxPriority = KitProperty(bus, QStringLiteral("MaxRealtimePriority")).toInt();
    const qlonglong maxRunUsec = KitProperty(bus, QStringLiteral("RTTimeUSecMax")).toLongLong();
    if (maxPriority > 0 && maxRunUsec > 0) {
        rlimit limit{};
        if (getrlimit(RLIMIT_RTTIME, &limit) == 0 &&
            (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > rlim_t(maxRunUsec))) {
            limit.rlim_cur = limit.rlim_max = rlim_t(maxRunUsec);
            setrlimit(RLIMIT_RTTIME, &limit);
        }
        const quint32 priority = quint32(std::min(RealTimePriority, maxPriority));
        if (KitCall(bus, QStringLiteral("MakeThreadRealtime"), QVariant::fromValue(priority)))
            return ThreadPriority::Raised::RealTime;
    }
    if (KitCall(bus, QStringLiteral("MakeThreadHighPriority"),
                QVariant::fromValue(qint32(NiceLevel))))
        return ThreadPriority::Raised::Nice;
    return ThreadPriority::Raised::No;
}

} // namespace

namespace ThreadPriority {

Raised RaiseCurrentThread() {
    rlimit limit{};
    const bool mayUseRealTime = geteuid() == 0 || (getrlimit(RLIMIT_RTPRIO, &limit) == 0 &&
                                                   limit.rlim_cur >= rlim_t(RealTimePriority));
    if (mayUseRealTime && SetRoundRobin(RealTimePriority))
        return Raised::RealTime;
    const Raised kit = ThroughKit();
    if (kit != Raised::No)
        return kit;
    // The lowest nice value the process may take is 20 minus its nice limit.
    if (getrlimit(RLIMIT_NICE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const int lowest = 20 - int(std::min<rlim_t>(limit.rlim_cur, 40));
        if (lowest < 0 && SetNice(std::max(NiceLevel, lowest)))
            return Raised::Nice;
    } else if (SetNice(NiceLevel)) {
        return Raised::Nice;
    }
    return Raised::No;
}

} // namespace ThreadPriority
