#include "ThreadPriority.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <sched.h>
#include <sys/resource.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

namespace {

// Low among real-time priorities: above every ordinary thread, below the sound server's.
constexpr int RealTimePriority = 4;
constexpr int NiceLevel = -11;
constexpr std::uint64_t BusTimeoutUsec = 200000;

const char* const Kit = "org.freedesktop.RealtimeKit1";
const char* const KitPath = "/org/freedesktop/RealtimeKit1";

bool SetRoundRobin(int priority) {
    sched_param param{};
    param.sched_priority = priority;
    // Threads and processes started from this one do not inherit it.
    return sched_setscheduler(gettid(), SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0;
}

bool SetNice(int level) {
    return setpriority(PRIO_PROCESS, id_t(gettid()), level) == 0;
}

// The real-time kit grants real-time scheduling to a thread whose process limits the
// processor time a real-time thread may take without sleeping.
ThreadPriority::Raised ThroughKit() {
    sd_bus* bus = nullptr;
    if (sd_bus_open_system(&bus) < 0)
        return ThreadPriority::Raised::No;
    sd_bus_set_method_call_timeout(bus, BusTimeoutUsec);
    ThreadPriority::Raised raised = ThreadPriority::Raised::No;
    std::int32_t maxPriority = 0;
    std::int64_t maxRunUsec = 0;
    sd_bus_error error = SD_BUS_ERROR_NULL;
    if (sd_bus_get_property_trivial(bus, Kit, KitPath, Kit, "MaxRealtimePriority", &error, 'i',
                                    &maxPriority) >= 0 &&
        sd_bus_get_property_trivial(bus, Kit, KitPath, Kit, "RTTimeUSecMax", &error, 'x',
                                    &maxRunUsec) >= 0 &&
        maxPriority > 0 && maxRunUsec > 0) {
        rlimit limit{};
        if (getrlimit(RLIMIT_RTTIME, &limit) == 0 &&
            (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > rlim_t(maxRunUsec))) {
            limit.rlim_cur = limit.rlim_max = rlim_t(maxRunUsec);
            setrlimit(RLIMIT_RTTIME, &limit);
        }
        sd_bus_error_free(&error);
        if (sd_bus_call_method(bus, Kit, KitPath, Kit, "MakeThreadRealtime", &error, nullptr, "tu",
                               std::uint64_t(gettid()),
                               std::uint32_t(std::min(RealTimePriority, int(maxPriority)))) >= 0)
            raised = ThreadPriority::Raised::RealTime;
    }
    if (raised == ThreadPriority::Raised::No) {
        sd_bus_error_free(&error);
        if (sd_bus_call_method(bus, Kit, KitPath, Kit, "MakeThreadHighPriority", &error, nullptr,
                               "ti", std::uint64_t(gettid()), std::int32_t(NiceLevel)) >= 0)
            raised = ThreadPriority::Raised::Nice;
    }
    sd_bus_error_free(&error);
    sd_bus_flush_close_unref(bus);
    return raised;
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
