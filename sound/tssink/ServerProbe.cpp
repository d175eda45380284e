#include "ServerProbe.h"

#include <cerrno>
#include <pulse/context.h>
#include <pulse/mainloop.h>

namespace ServerProbe {

bool Answers(std::chrono::milliseconds limit) {
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), program_invocation_short_name);
    bool answered = false;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                answered = true;
                break;
            }
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
                deadline - std::chrono::steady_clock::now());
            if (!PA_CONTEXT_IS_GOOD(state) || left.count() <= 0)
                break;
            if (pa_mainloop_prepare(loop, int(left.count())) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0)
                break;
        }
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return answered;
}

} // namespace ServerProbe
