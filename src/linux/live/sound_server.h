#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <pulse/channelmap.h>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace orv::live {

class SoundConverter;

// A failure the user has to act on; what() is the whole message, ready to print.
class LiveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct SoundSource {
    std::string name;
    std::string description;
};

// Receives the recorded sound on the sound server's own thread, in the order it was recorded.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    // Samples as they arrive: unsigned 8-bit, mono, 11025 a second, in pieces of any length.
    virtual void write(std::span<const std::uint8_t> samples) = 0;
    // The server lost this many samples here (an overrun); the stream goes on after them.
    virtual void lose(std::size_t samples) = 0;
    // The stream has ended without being stopped: the server went away or dropped the source.
    virtual void end() = 0;
};

// A connection to the PulseAudio server (PipeWire's pulse server too), which lists the sound
// sources and records one of them in the program's own format. Its callbacks run on a thread of
// libpulse that waits in poll(), so waiting for sound costs nothing.
class SoundServer {
  public:
    // Connects to the user's server; throws LiveError saying what to start when none answers.
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    std::vector<SoundSource> sources();
    // The source that hears what the computer plays: the monitor of the default output.
    std::string defaultMonitor();

    // Records SOURCE in its own channels and rate into SINK as the renderer reads a file (see
    // SoundConverter), a block at a time, until stopRecording() or destruction. Throws LiveError
    // when the server refuses or has no such source.
    void record(const std::string& source, SoundSink& sink);
    void stopRecording();

  private:
    class Lock;
    struct SourceFormat {
        std::uint32_t rate;
        pa_channel_map channels;
    };
    SourceFormat sourceFormat(const std::string& source);
    // Waits, with the loop locked, until DONE says so or the connection fails.
    template <typename Done>
    void waitUntil(Done done);
    template <typename Start>
    void runOperation(Start start);
    void readAvailable();
    void streamStateChanged();
    void close();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    SoundSink* sink_ = nullptr;
    std::unique_ptr<SoundConverter> converter_;
};

}  // namespace orv::live
