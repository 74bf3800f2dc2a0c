#include "sound/pulse_player.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <pulse/pulseaudio.h>
#include <unistd.h>

namespace {

// The server is handed the whole cue at once (up to the longest buffer it
// allows, many seconds), so a sound thread that a busy machine keeps waiting
// cannot leave it without samples mid-cue. What the sink plays ahead stays
// short, which keeps a start and a cut prompt.
constexpr std::int64_t kSinkAheadMs = 20;
// A cue that waited for the connection longer than this is stale.
constexpr std::int64_t kStaleNs = 150'000'000;
// After a failed connection, the next attempt waits for a cue this much later.
constexpr std::int64_t kRetryNs = 500'000'000;
// How long the program's end waits for the sound thread to let go.
constexpr auto kStopWait = std::chrono::milliseconds(250);
constexpr std::size_t kKeptDelays = 1024;

std::int64_t NowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

struct CRequest {
    std::shared_ptr<const CWaveSound> sound;
    std::int64_t requestedNs = 0;
};

// One sound on its way to the server.
struct CPlayback {
    CSoundThread* owner = nullptr;
    pa_stream* stream = nullptr;
    CRequest request;
    std::size_t written = 0;
    pa_operation* drain = nullptr;
};

} // namespace

// Everything the sound thread touches; the user-interface thread only posts
// requests through m_pending and the wake pipe.
class CSoundThread {
public:
    CSoundThread() {
        int fds[2];
        if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return;
        m_wakeRead = fds[0], m_wakeWrite = fds[1];
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop) return;
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
        m_wakeEvent = api->io_new(api, m_wakeRead, PA_IO_EVENT_INPUT, OnWake, this);
        Connect();
        if (pa_threaded_mainloop_start(m_loop) == 0) m_running = true;
    }

    ~CSoundThread() {
        if (m_loop) pa_threaded_mainloop_free(m_loop);
        for (int fd : {m_wakeRead, m_wakeWrite})
            if (fd >= 0) close(fd);
        delete m_pending.exchange(nullptr);
    }

    // User-interface thread: the latest request wins.
    void Post(CRequest request) {
        if (!m_running) return;
        delete m_pending.exchange(new CRequest(std::move(request)));
        Wake();
    }

    // User-interface thread: true when the thread has stopped and may go.
    bool Stop() {
        if (!m_running) return true;
        m_quit = true;
        Wake();
        std::unique_lock lock(m_mutex);
        if (!m_stopped.wait_for(lock, kStopWait, [this] { return m_done; })) return false;
        lock.unlock();
        pa_threaded_mainloop_stop(m_loop);
        return true;
    }

    std::vector<std::int64_t> StartDelaysUs() const {
        std::lock_guard lock(m_mutex);
        return m_delaysUs;
    }

private:
    void Wake() { [[maybe_unused]] auto n = write(m_wakeWrite, "", 1); }

    static void OnWake(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
        char buffer[64];
        while (read(fd, buffer, sizeof buffer) > 0) {
        }
        static_cast<CSoundThread*>(self)->TakeRequests();
    }

    void TakeRequests() {
        if (m_quit) return Shutdown();
        std::unique_ptr<CRequest> request(m_pending.exchange(nullptr));
        if (!request) return;
        StopPlayback(); // the earlier cue falls silent now
        if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY) {
            StartPlayback(std::move(*request));
        } else {
            m_waiting = std::move(request);
            Connect();
        }
    }

    void Connect() {
        if (m_context && PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) return;
        if (m_context) DropContext();
        const std::int64_t now = NowNs();
        if (m_lastAttemptNs != 0 && now - m_lastAttemptNs < kRetryNs) return;
        m_lastAttemptNs = now;
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Marbix");
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
        m_context =
            pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Marbix", props);
        pa_proplist_free(props);
        if (!m_context) return;
        pa_context_set_state_callback(m_context, OnContextState, this);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            DropContext();
    }

    void DropContext() {
        StopPlayback();
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }

    static void OnContextState(pa_context* context, void* self) {
        auto* me = static_cast<CSoundThread*>(self);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (me->m_waiting && NowNs() - me->m_waiting->requestedNs < kStaleNs)
                me->StartPlayback(std::move(*me->m_waiting));
            me->m_waiting.reset();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // The context goes at the next attempt, outside libpulse's calls.
            me->StopPlayback();
            break;
        default:
            break;
        }
    }

    void StartPlayback(CRequest request) {
        const CWaveSound& sound = *request.sound;
        pa_sample_spec samples{};
        samples.format = sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        samples.rate = static_cast<std::uint32_t>(sound.sampleRate);
        samples.channels = static_cast<std::uint8_t>(sound.channels);
        auto playback = std::make_unique<CPlayback>();
        playback->owner = this;
        playback->request = std::move(request);
        playback->stream = pa_stream_new(m_context, "cue", &samples, nullptr);
        if (!playback->stream) return;
        pa_stream_set_state_callback(playback->stream, OnStreamState, playback.get());
        pa_stream_set_write_callback(playback->stream, OnWritable, playback.get());
        pa_stream_set_started_callback(playback->stream, OnStarted, playback.get());
        pa_buffer_attr buffer{};
        buffer.maxlength = buffer.prebuf = buffer.fragsize = UINT32_MAX;
        buffer.tlength = static_cast<std::uint32_t>(
            std::min<std::size_t>(sound.pcm.size(), std::numeric_limits<std::uint32_t>::max()));
        // With early requests the sink plays ahead by one request, not by the buffer.
        buffer.minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(kSinkAheadMs * 1000, &samples));
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_EARLY_REQUESTS);
        m_current = std::move(playback);
        if (pa_stream_connect_playback(m_current->stream, nullptr, &buffer, flags, nullptr,
                                       nullptr) < 0)
            StopPlayback();
    }

    void StopPlayback() {
        if (!m_current) return;
        pa_stream* stream = m_current->stream;
        if (m_current->drain) {
            pa_operation_cancel(m_current->drain);
            pa_operation_unref(m_current->drain);
        }
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_set_started_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY ||
            pa_stream_get_state(stream) == PA_STREAM_CREATING)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        m_current.reset();
    }

    static void OnStreamState(pa_stream* stream, void* data) {
        auto* playback = static_cast<CPlayback*>(data);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
            playback->owner->StopPlayback();
    }

    static void OnWritable(pa_stream* stream, std::size_t bytes, void* data) {
        auto* playback = static_cast<CPlayback*>(data);
        const CByteView pcm = playback->request.sound->pcm;
        const std::size_t count = std::min(bytes, pcm.size() - playback->written);
        if (count > 0 && pa_stream_write(stream, pcm.data() + playback->written, count, nullptr, 0,
                                         PA_SEEK_RELATIVE) == 0)
            playback->written += count;
        if (playback->written < pcm.size() || playback->drain) return;
        // All handed over: the cue ends when the server has played its last sample.
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        playback->drain = pa_stream_drain(stream, OnDrained, playback);
    }

    static void OnStarted(pa_stream*, void* data) {
        auto* playback = static_cast<CPlayback*>(data);
        CSoundThread* me = playback->owner;
        std::lock_guard lock(me->m_mutex);
        if (me->m_delaysUs.size() < kKeptDelays)
            me->m_delaysUs.push_back((NowNs() - playback->request.requestedNs) / 1000);
    }

    static void OnDrained(pa_stream*, int /*success*/, void* data) {
        auto* playback = static_cast<CPlayback*>(data);
        CSoundThread* me = playback->owner;
        pa_operation_unref(playback->drain);
        playback->drain = nullptr;
        me->StopPlayback();
    }

    void Shutdown() {
        m_waiting.reset();
        if (m_context) DropContext();
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
        api->io_free(m_wakeEvent);
        m_wakeEvent = nullptr;
        api->quit(api, 0);
        std::lock_guard lock(m_mutex);
        m_done = true;
        m_stopped.notify_all();
    }

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_io_event* m_wakeEvent = nullptr;
    int m_wakeRead = -1, m_wakeWrite = -1;
    bool m_running = false;
    std::atomic<CRequest*> m_pending{nullptr};
    std::atomic<bool> m_quit{false};
    std::unique_ptr<CPlayback> m_current;
    std::unique_ptr<CRequest> m_waiting;
    std::int64_t m_lastAttemptNs = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_done = false;
    std::vector<std::int64_t> m_delaysUs;
};

CPulsePlayer::CPulsePlayer() : m_thread(new CSoundThread) {}

CPulsePlayer::~CPulsePlayer() {
    // A thread that does not let go in time is left to the end of the process.
    if (m_thread->Stop()) delete m_thread;
}

void CPulsePlayer::Play(std::shared_ptr<const CWaveSound> sound) {
    if (sound) m_thread->Post({std::move(sound), NowNs()});
}

std::vector<std::int64_t> CPulsePlayer::StartDelaysUs() const {
    return m_thread->StartDelaysUs();
}
