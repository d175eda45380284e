#include "PulseOutput.h"

#include "AudioEngine.h"
#include "ThreadPriority.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// The server keeps about 80 ms of the mix queued and asks for more when 25 ms of it have
// been played: a cue still follows its click closely, and a thread that wakes late on a
// loaded machine has some 50 ms before the sound would break.
constexpr pa_usec_t Latency = 80 * PA_USEC_PER_MSEC;
constexpr pa_usec_t Period = 25 * PA_USEC_PER_MSEC;
// Each answer is at least 45 ms of sound, whatever the server asked for: every block
// handed over wakes the thread once more when the server gives it back, so fewer, larger
// blocks keep a game with music near 50 wake-ups a second.
constexpr std::size_t LeastWriteFrames = AudioEngine::SampleRate * 45 / 1000;
// A server that has not given us a stream by then is taken for absent.
constexpr pa_usec_t ConnectTimeout = 3 * PA_USEC_PER_SEC;
// Stopping waits this long for the thread; then the thread finishes on its own.
constexpr auto StopWait = std::chrono::milliseconds(1000);
// After this much silence the stream pauses until the next sound.
constexpr std::size_t PauseAfterFrames = 2 * AudioEngine::SampleRate;
constexpr std::size_t FrameBytes = sizeof(float) * AudioEngine::Channels;

} // namespace

struct PulseOutput::Shared {
    AudioEngine* engine = nullptr;
    pa_mainloop* loop = nullptr;
    int wakeFd = -1; // written to wake the thread
    std::atomic<bool> stopping{false};
    std::atomic<bool> connectWanted{false};
    std::atomic<bool> inEngine{false};
    std::mutex mutex;
    std::condition_variable finishedSignal;
    bool finished = false;

    ~Shared() {
        if (loop)
            pa_mainloop_free(loop);
        if (wakeFd >= 0)
            close(wakeFd);
    }

    void Wake() const {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wakeFd, &one, sizeof one);
    }

    // Calls f on the engine unless the output is being stopped. Stop waits for a call that
    // is under way, so that no call reaches the engine after Stop has returned.
    template <typename F> void WithEngine(F f) {
        inEngine.store(true);
        if (!stopping.load())
            f(*engine);
        inEngine.store(false);
    }
};

namespace {

// The connection to the server and its stream, on the output's thread only. Callbacks of
// the library only note a failure; it is acted upon between two turns of the loop.
class Connection {
public:
    Connection(PulseOutput::Shared& shared, pa_mainloop_api* api) : shared(shared), api(api) {}
    ~Connection() { Close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Between two turns of the loop: acts on a failure and on the engine's wishes.
    void AfterDispatch() {
        if (failed)
            Fail();
        if (shared.connectWanted.exchange(false)) {
            if (!context)
                Begin();
            else if (paused)
                Resume();
        }
    }

    // Lets go of the server without telling the engine.
    void Close() {
        if (deadline) {
            api->time_free(deadline);
            deadline = nullptr;
        }
        if (stream) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_set_underflow_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
            stream = nullptr;
        }
        if (context) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
        failed = false;
        paused = false;
    }

private:
    void Begin() {
        if (!priorityAsked) {
            priorityAsked = true;
            ThreadPriority::RaiseCurrentThread();
        }
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, program_invocation_short_name);
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
        context = pa_context_new_with_proplist(api, nullptr, properties);
        pa_proplist_free(properties);
        if (!context) {
            Fail();
            return;
        }
        pa_context_set_state_callback(context, &Connection::OnContextState, this);
        timeval when{};
        pa_timeval_add(pa_gettimeofday(&when), ConnectTimeout);
        deadline = api->time_new(api, &when, &Connection::OnDeadline, this);
        // Never start a server of our own: the desktop runs one, or the game is silent.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            failed = true;
    }

    void Fail() {
        Close();
        shared.WithEngine([](AudioEngine& engine) { engine.OutputFailed(); });
    }

    void OpenStream() {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, AudioEngine::SampleRate,
                                    std::uint8_t(AudioEngine::Channels)};
        stream = pa_stream_new(context, program_invocation_short_name, &format, nullptr);
        if (!stream) {
            failed = true;
            return;
        }
        pa_stream_set_state_callback(stream, &Connection::OnStreamState, this);
        pa_stream_set_write_callback(stream, &Connection::OnWrite, this);
        pa_stream_set_underflow_callback(stream, &Connection::OnUnderflow, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = std::uint32_t(-1);
        buffer.tlength = std::uint32_t(pa_usec_to_bytes(Latency, &format));
        buffer.prebuf = std::uint32_t(-1);
        buffer.minreq = std::uint32_t(pa_usec_to_bytes(Period, &format));
        buffer.fragsize = std::uint32_t(-1);
        // The latency asked for is the whole way to the loudspeaker, the server's own
        // buffer included.
        if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0)
            failed = true;
    }

    void Write(std::size_t bytes) {
        bytes = std::max(bytes, LeastWriteFrames * FrameBytes);
        while (bytes >= FrameBytes) {
            void* data = nullptr;
            std::size_t size = bytes;
            if (pa_stream_begin_write(stream, &data, &size) < 0 || !data) {
                failed = true;
                return;
            }
            size -= size % FrameBytes;
            if (size == 0) {
                pa_stream_cancel_write(stream);
                break;
            }
            auto* samples = static_cast<float*>(data);
            const std::size_t frames = size / FrameBytes;
            bool rendered = false;
            shared.WithEngine([&](AudioEngine& engine) {
                engine.Render(samples, frames);
                rendered = true;
            });
            if (!rendered)
                std::fill(samples, samples + frames * AudioEngine::Channels, 0.0f);
            if (pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                failed = true;
                return;
            }
            bytes -= size;
            framesSinceResume += frames;
        }
        std::size_t silent = 0;
        shared.WithEngine([&silent](AudioEngine& engine) {
            engine.DecodeAhead();
            silent = engine.SilentFrames();
        });
        if (silent >= PauseAfterFrames && framesSinceResume >= PauseAfterFrames)
            Pause();
    }

    void Pause() {
        if (pa_operation* operation = pa_stream_cork(stream, 1, nullptr, nullptr))
            pa_operation_unref(operation);
        paused = true;
    }

    // The silence still queued on the server is dropped, so that the new sound comes at
    // once; the server then asks for a full buffer.
    void Resume() {
        if (pa_operation* operation = pa_stream_flush(stream, nullptr, nullptr))
            pa_operation_unref(operation);
        if (pa_operation* operation = pa_stream_cork(stream, 0, nullptr, nullptr))
            pa_operation_unref(operation);
        paused = false;
        framesSinceResume = 0;
    }

    static void OnContextState(pa_context* context, void* self) {
        auto& connection = *static_cast<Connection*>(self);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            connection.OpenStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            connection.failed = true;
            break;
        default:
            break;
        }
    }

    static void OnStreamState(pa_stream* stream, void* self) {
        auto& connection = *static_cast<Connection*>(self);
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            if (connection.deadline) {
                connection.api->time_free(connection.deadline);
                connection.deadline = nullptr;
            }
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            connection.failed = true;
            break;
        default:
            break;
        }
    }

    static void OnDeadline(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
        auto& connection = *static_cast<Connection*>(self);
        connection.api->time_free(connection.deadline);
        connection.deadline = nullptr;
        if (!connection.stream || pa_stream_get_state(connection.stream) != PA_STREAM_READY)
            connection.failed = true;
    }

    static void OnWrite(pa_stream*, std::size_t bytes, void* self) {
        static_cast<Connection*>(self)->Write(bytes);
    }

    static void OnUnderflow(pa_stream*, void* self) {
        static_cast<Connection*>(self)->shared.WithEngine(
            [](AudioEngine& engine) { engine.OutputUnderrun(); });
    }

    PulseOutput::Shared& shared;
    pa_mainloop_api* api;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_time_event* deadline = nullptr;
    bool failed = false;
    bool paused = false;
    bool priorityAsked = false;
    std::size_t framesSinceResume = 0;
};

void Drain(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(fd, &count, sizeof count);
}

void Run(std::shared_ptr<PulseOutput::Shared> shared) {
    pthread_setname_np(pthread_self(), "tsaudio-output");
    {
        pa_mainloop_api* api = pa_mainloop_get_api(shared->loop);
        pa_io_event* wake = api->io_new(api, shared->wakeFd, PA_IO_EVENT_INPUT, &Drain, nullptr);
        Connection connection(*shared, api);
        while (!shared->stopping.load()) {
            if (pa_mainloop_iterate(shared->loop, 1, nullptr) < 0)
                break;
            connection.AfterDispatch();
        }
        connection.Close();
        api->io_free(wake);
    }
    std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->finishedSignal.notify_all();
}

} // namespace

PulseOutput::PulseOutput() = default;

PulseOutput::~PulseOutput() {
    Stop();
}

void PulseOutput::Start(AudioEngine& owner) {
    engine = &owner;
}

void PulseOutput::Connect() {
    // The thread starts with the first sound: a program that plays none pays nothing.
    if (!shared && engine) {
        shared = std::make_shared<Shared>();
        shared->engine = engine;
        shared->loop = pa_mainloop_new();
        shared->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (!shared->loop || shared->wakeFd < 0) {
            shared.reset();
            engine->OutputFailed();
            return;
        }
        thread = std::thread(Run, shared);
    }
    if (!shared)
        return;
    shared->connectWanted.store(true);
    shared->Wake();
}

void PulseOutput::Stop() {
    engine = nullptr;
    if (!shared)
        return;
    shared->stopping.store(true);
    while (shared->inEngine.load())
        std::this_thread::yield();
    shared->Wake();
    bool finished = false;
    {
        std::unique_lock lock(shared->mutex);
        finished =
            shared->finishedSignal.wait_for(lock, StopWait, [this] { return shared->finished; });
    }
    // A thread that does not finish in time keeps what it uses (shared) and ends on its
    // own; it no longer calls the engine.
    if (finished)
        thread.join();
    else
        thread.detach();
    shared.reset();
}
