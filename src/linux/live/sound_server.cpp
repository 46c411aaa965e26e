#include "linux/live/sound_server.h"

#include <pulse/pulseaudio.h>

#include <optional>

#include "engine/blocks/sound_block.h"
#include "linux/live/sound_converter.h"

namespace orv::live {

namespace {

constexpr const char* kClientName = "Orvanta 2 live";

LiveError cannotRecord(const std::string& source, pa_context* context) {
    return LiveError("cannot record from '" + source +
                     "': " + pa_strerror(pa_context_errno(context)));
}

// Wakes whoever waits in waitUntil(); every callback ends with it.
void signalLoop(void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

}  // namespace

class SoundServer::Lock {
  public:
    explicit Lock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Lock() { pa_threaded_mainloop_unlock(loop_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

SoundServer::SoundServer() {
    loop_ = pa_threaded_mainloop_new();
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), kClientName);
    pa_context_set_state_callback(
        context_, [](pa_context*, void* loop) { signalLoop(loop); }, loop_);
    // No autospawn: a server that is not running is reported, not started behind the user's
    // back.
    bool connected = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
                     pa_threaded_mainloop_start(loop_) >= 0;
    if (connected) {
        const Lock lock(loop_);
        pa_context_state_t state = PA_CONTEXT_UNCONNECTED;
        while (connected && (state = pa_context_get_state(context_)) != PA_CONTEXT_READY) {
            connected = PA_CONTEXT_IS_GOOD(state);
            if (connected) {
                pa_threaded_mainloop_wait(loop_);
            }
        }
    }
    if (!connected) {
        const std::string reason = pa_strerror(pa_context_errno(context_));
        close();
        throw LiveError("no sound server is running (" + reason +
                        "); start PulseAudio (pulseaudio --start) or PipeWire's PulseAudio "
                        "server (systemctl --user start pipewire-pulse)");
    }
}

SoundServer::~SoundServer() {
    close();
}

void SoundServer::close() {
    stopRecording();
    pa_threaded_mainloop_stop(loop_);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    pa_threaded_mainloop_free(loop_);
}

template <typename Done>
void SoundServer::waitUntil(Done done) {
    while (!done()) {
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
            throw LiveError("the sound server closed the connection: " +
                            std::string(pa_strerror(pa_context_errno(context_))));
        }
        pa_threaded_mainloop_wait(loop_);
    }
}

template <typename Start>
void SoundServer::runOperation(Start start) {
    const Lock lock(loop_);
    pa_operation* operation = start();
    if (operation == nullptr) {
        throw LiveError("the sound server refused a request: " +
                        std::string(pa_strerror(pa_context_errno(context_))));
    }
    try {
        waitUntil(
            [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
    } catch (const LiveError&) {
        pa_operation_unref(operation);
        throw;
    }
    pa_operation_unref(operation);
}

std::vector<SoundSource> SoundServer::sources() {
    struct Listing {
        pa_threaded_mainloop* loop;
        std::vector<SoundSource> sources;
    } listing{loop_, {}};
    runOperation([&] {
        return pa_context_get_source_info_list(
            context_,
            [](pa_context*, const pa_source_info* info, int eol, void* user) {
                auto& into = *static_cast<Listing*>(user);
                if (eol == 0 && info != nullptr) {
                    into.sources.push_back(
                        {info->name, info->description != nullptr ? info->description : ""});
                }
                signalLoop(into.loop);
            },
            &listing);
    });
    return std::move(listing.sources);
}

std::string SoundServer::defaultMonitor() {
    struct Answer {
        pa_threaded_mainloop* loop;
        std::string text;
    } answer{loop_, {}};
    runOperation([&] {
        return pa_context_get_server_info(
            context_,
            [](pa_context*, const pa_server_info* info, void* user) {
                auto& into = *static_cast<Answer*>(user);
                if (info != nullptr && info->default_sink_name != nullptr) {
                    into.text = info->default_sink_name;
                }
                signalLoop(into.loop);
            },
            &answer);
    });
    if (answer.text.empty()) {
        throw LiveError(
            "the sound server has no default output to listen to; name a source "
            "with --device (see --list-devices)");
    }
    const std::string sink = std::move(answer.text);
    runOperation([&] {
        return pa_context_get_sink_info_by_name(
            context_, sink.c_str(),
            [](pa_context*, const pa_sink_info* info, int eol, void* user) {
                auto& into = *static_cast<Answer*>(user);
                if (eol == 0 && info != nullptr && info->monitor_source_name != nullptr) {
                    into.text = info->monitor_source_name;
                }
                signalLoop(into.loop);
            },
            &answer);
    });
    if (answer.text.empty()) {
        throw LiveError("the default output '" + sink +
                        "' has no monitor to listen to; name a "
                        "source with --device (see --list-devices)");
    }
    return std::move(answer.text);
}

SoundServer::SourceFormat SoundServer::sourceFormat(const std::string& source) {
    struct Answer {
        pa_threaded_mainloop* loop = nullptr;
        std::optional<SourceFormat> format;
    } answer{loop_, {}};
    runOperation([&] {
        return pa_context_get_source_info_by_name(
            context_, source.c_str(),
            [](pa_context*, const pa_source_info* info, int eol, void* user) {
                auto& into = *static_cast<Answer*>(user);
                if (eol == 0 && info != nullptr) {
                    into.format = SourceFormat{info->sample_spec.rate, info->channel_map};
                }
                signalLoop(into.loop);
            },
            &answer);
    });
    if (!answer.format) {
        throw LiveError("cannot record from '" + source + "': no such source (see --list-devices)");
    }
    return *answer.format;
}

void SoundServer::record(const std::string& source, SoundSink& sink) {
    stopRecording();
    // The source's own channels and rate, as floats: the server converts nothing but the
    // sample format, and the channels are mixed and resampled as the renderer does.
    const SourceFormat own = sourceFormat(source);
    converter_ =
        std::make_unique<SoundConverter>(static_cast<int>(own.rate), own.channels.channels);
    const Lock lock(loop_);
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, own.rate, own.channels.channels};
    stream_ = pa_stream_new(context_, "Orvanta 2 live picture", &format, &own.channels);
    if (stream_ == nullptr) {
        throw LiveError("the sound server refused a recording stream: " +
                        std::string(pa_strerror(pa_context_errno(context_))));
    }
    sink_ = &sink;
    pa_stream_set_state_callback(
        stream_,
        [](pa_stream*, void* self) { static_cast<SoundServer*>(self)->streamStateChanged(); },
        this);
    pa_stream_set_read_callback(
        stream_,
        [](pa_stream*, std::size_t, void* self) {
            static_cast<SoundServer*>(self)->readAvailable();
        },
        this);
    // The server hands over a block at a time: one wake-up per block, no more.
    const auto blockBytes = static_cast<std::uint32_t>(
        pa_usec_to_bytes(PA_USEC_PER_SEC * blocks::kBlockSamples / blocks::kSampleRate, &format));
    const pa_buffer_attr buffering{static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                   static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                   blockBytes};
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_NO_REMIX_CHANNELS);
    if (pa_stream_connect_record(stream_, source.c_str(), &buffering, flags) < 0) {
        const LiveError error = cannotRecord(source, context_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
        throw error;
    }
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_READY) {
            return;
        }
        if (!PA_STREAM_IS_GOOD(state)) {
            const LiveError error = cannotRecord(source, context_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
            throw error;
        }
        pa_threaded_mainloop_wait(loop_);
    }
}

void SoundServer::stopRecording() {
    if (stream_ == nullptr) {
        return;
    }
    const Lock lock(loop_);
    pa_stream_set_read_callback(stream_, nullptr, nullptr);
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    sink_ = nullptr;
}

// Runs on libpulse's thread, with the loop locked.
void SoundServer::streamStateChanged() {
    signalLoop(loop_);
    const pa_stream_state_t state = pa_stream_get_state(stream_);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        sink_->end();
    }
}

// Runs on libpulse's thread, with the loop locked.
void SoundServer::readAvailable() {
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(stream_) > 0 && pa_stream_peek(stream_, &data, &bytes) == 0) {
        if (bytes == 0) {
            break;
        }
        if (data == nullptr) {
            sink_->lose(converter_->samplesIn(bytes));
        } else {
            converter_->convert({static_cast<const float*>(data), bytes / sizeof(float)}, *sink_);
        }
        pa_stream_drop(stream_);
    }
}

}  // namespace orv::live
