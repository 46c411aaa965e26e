#include "windows/win32/wasapi_stream.h"

#include <mmreg.h>
// mmreg.h first: ksmedia.h builds on it.
#include <ksmedia.h>

#include <algorithm>

namespace orv::win32 {
namespace {

using capture::PacketRead;
using capture::StreamOpen;

// The client's buffer: ten of the 10 ms polls, in units of 100 ns.
constexpr REFERENCE_TIME kBufferDuration = 1'000'000;

// An extensible format's subformat is a format tag in the first field of this GUID.
constexpr GUID kSubformatBase{0, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The format tag a format's samples have, extensible or not; 0 for a subformat of no tag.
DWORD sampleTag(const WAVEFORMATEX& format) {
    if (format.wFormatTag != WAVE_FORMAT_EXTENSIBLE) return format.wFormatTag;
    if (format.cbSize < sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX)) return 0;
    GUID sub = reinterpret_cast<const WAVEFORMATEXTENSIBLE&>(format).SubFormat;
    const DWORD tag = sub.Data1;
    sub.Data1 = 0;
    return IsEqualGUID(sub, kSubformatBase) ? tag : 0;
}

}  // namespace

std::optional<capture::MixFormat> mixFormatOf(const WAVEFORMATEX& format) {
    const DWORD tag = sampleTag(format);
    const int bits = format.wBitsPerSample;
    const bool isFloat = tag == WAVE_FORMAT_IEEE_FLOAT && bits == 32;
    const bool isInteger = tag == WAVE_FORMAT_PCM && (bits == 16 || bits == 24 || bits == 32);
    if ((!isFloat && !isInteger) || format.nChannels == 0 || format.nSamplesPerSec == 0 ||
        format.nBlockAlign != format.nChannels * bits / 8)
        return std::nullopt;
    return capture::MixFormat{isFloat, bits, format.nChannels,
                              static_cast<int>(format.nSamplesPerSec)};
}

StreamOpen WasapiStream::open(const std::string& output) {
    close();
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    const StreamOpen result = startClient(output);
    if (result != StreamOpen::kOpened) close();
    return result;
}

StreamOpen WasapiStream::startClient(const std::string& output) {
    recordsDefault_ = output.empty();
    if (FAILED(endpoints_.activate(output, &client_, id_)) || client_ == nullptr)
        return StreamOpen::kRefused;
    WAVEFORMATEX* mix = nullptr;
    if (FAILED(client_->GetMixFormat(&mix)) || mix == nullptr) return StreamOpen::kRefused;
    const std::optional<capture::MixFormat> format = mixFormatOf(*mix);
    const HRESULT initialized =
        format ? client_->Initialize(AUDCLNT_SHAREMODE_SHARED, AUDCLNT_STREAMFLAGS_LOOPBACK,
                                     kBufferDuration, 0, mix, nullptr)
               : AUDCLNT_E_UNSUPPORTED_FORMAT;
    CoTaskMemFree(mix);
    // Wine 8 takes the loopback flag and refuses only the capture service.
    const HRESULT served = FAILED(initialized)
                               ? initialized
                               : client_->GetService(__uuidof(IAudioCaptureClient),
                                                     reinterpret_cast<void**>(&capture_));
    if (served == AUDCLNT_E_WRONG_ENDPOINT_TYPE) return StreamOpen::kLoopbackRefused;
    UINT32 frames = 0;
    if (FAILED(served) || capture_ == nullptr || FAILED(client_->GetBufferSize(&frames)) ||
        FAILED(client_->Start()))
        return StreamOpen::kRefused;
    format_ = *format;
    bufferFrames_ = frames;
    return StreamOpen::kOpened;
}

PacketRead WasapiStream::nextPacket(capture::EndpointPacket& packet) {
    if (capture_ == nullptr) return PacketRead::kInvalidated;
    if (held_) capture_->ReleaseBuffer(*held_);
    held_.reset();
    UINT32 waiting = 0;
    // Any failure ends the stream as a lost output does, so the capture goes on from another.
    if (FAILED(capture_->GetNextPacketSize(&waiting))) return PacketRead::kInvalidated;
    if (waiting == 0) return PacketRead::kNone;
    BYTE* data = nullptr;
    UINT32 frames = 0;
    DWORD flags = 0;
    const HRESULT got = capture_->GetBuffer(&data, &frames, &flags, nullptr, nullptr);
    if (FAILED(got)) return PacketRead::kInvalidated;
    if (got == AUDCLNT_S_BUFFER_EMPTY) return PacketRead::kNone;
    held_ = frames;
    packet.data = data;
    packet.frames = std::min<std::size_t>(frames, bufferFrames_);
    packet.silent = (flags & AUDCLNT_BUFFERFLAGS_SILENT) != 0;
    packet.discontinuity = (flags & AUDCLNT_BUFFERFLAGS_DATA_DISCONTINUITY) != 0;
    return PacketRead::kPacket;
}

bool WasapiStream::defaultMoved() {
    return recordsDefault_ && endpoints_.defaultId() != id_;
}

void WasapiStream::close() {
    if (capture_ != nullptr && held_) capture_->ReleaseBuffer(*held_);
    held_.reset();
    if (client_ != nullptr) client_->Stop();
    for (IUnknown* object : {static_cast<IUnknown*>(capture_), static_cast<IUnknown*>(client_)})
        if (object != nullptr) object->Release();
    capture_ = nullptr;
    client_ = nullptr;
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
}

}  // namespace orv::win32
