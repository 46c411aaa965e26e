#include "windows/win32/mmdevice_outputs.h"

#include <windows.h>

#include <mmdeviceapi.h>
#include <objbase.h>
#include <propsys.h>

#include <utility>

#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

// PKEY_Device_FriendlyName, spelled out so that no GUID has to be defined in this file.
constexpr PROPERTYKEY kFriendlyName{
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

template <typename T>
void release(T*& object) {
    if (object != nullptr) object->Release();
    object = nullptr;
}

// COM for one query on this thread, balanced on the way out when this call started it.
class ComScope {
  public:
    ComScope() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (started_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool started_;
};

IMMDeviceEnumerator* enumerator() {
    IMMDeviceEnumerator* devices = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&devices))))
        return nullptr;
    return devices;
}

std::string friendlyName(IMMDevice* device) {
    std::string name;
    IPropertyStore* properties = nullptr;
    if (SUCCEEDED(device->OpenPropertyStore(STGM_READ, &properties))) {
        PROPVARIANT value;
        PropVariantInit(&value);
        if (SUCCEEDED(properties->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR)
            name = narrow(value.pwszVal);
        PropVariantClear(&value);
    }
    release(properties);
    return name;
}

std::wstring endpointId(IMMDevice* device) {
    std::wstring id;
    LPWSTR text = nullptr;
    if (SUCCEEDED(device->GetId(&text)) && text != nullptr) id = text;
    CoTaskMemFree(text);
    return id;
}

// Each active endpoint of `flow`, until `visit` returns true; that one is kept for the caller.
template <typename Visit>
IMMDevice* findEndpoint(IMMDeviceEnumerator* devices, EDataFlow flow, Visit visit) {
    IMMDeviceCollection* outputs = nullptr;
    UINT count = 0;
    IMMDevice* found = nullptr;
    if (devices != nullptr &&
        SUCCEEDED(devices->EnumAudioEndpoints(flow, DEVICE_STATE_ACTIVE, &outputs)) &&
        SUCCEEDED(outputs->GetCount(&count))) {
        for (UINT i = 0; i < count && found == nullptr; ++i) {
            IMMDevice* output = nullptr;
            if (SUCCEEDED(outputs->Item(i, &output)) && visit(output)) std::swap(found, output);
            release(output);
        }
    }
    release(outputs);
    return found;
}

IMMDevice* defaultOutput(IMMDeviceEnumerator* devices) {
    IMMDevice* output = nullptr;
    if (devices == nullptr || FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output)))
        return nullptr;
    return output;
}

// The friendly names of the active endpoints of `flow`.
std::vector<std::string> endpointNames(EDataFlow flow) {
    const ComScope com;
    std::vector<std::string> names;
    IMMDeviceEnumerator* devices = enumerator();
    findEndpoint(devices, flow, [&names](IMMDevice* endpoint) {
        if (std::string name = friendlyName(endpoint); !name.empty())
            names.push_back(std::move(name));
        return false;
    });
    release(devices);
    return names;
}

}  // namespace

std::vector<std::string> MmDeviceOutputs::names() {
    return endpointNames(eRender);
}

std::vector<std::string> MmDeviceOutputs::recordingNames() {
    return endpointNames(eCapture);
}

HRESULT MmDeviceOutputs::activate(const std::string& output, IAudioClient** client,
                                  std::wstring& id) {
    IMMDeviceEnumerator* devices = enumerator();
    IMMDevice* device = output.empty() ? defaultOutput(devices)
                                       : findEndpoint(devices, eRender, [&output](IMMDevice* d) {
                                             return friendlyName(d) == output;
                                         });
    HRESULT result = E_FAIL;
    if (device != nullptr) {
        id = endpointId(device);
        result = device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                  reinterpret_cast<void**>(client));
    }
    release(device);
    release(devices);
    return result;
}

std::wstring MmDeviceOutputs::defaultId() {
    IMMDeviceEnumerator* devices = enumerator();
    IMMDevice* device = defaultOutput(devices);
    std::wstring id = device != nullptr ? endpointId(device) : std::wstring();
    release(device);
    release(devices);
    return id;
}

std::string MmDeviceOutputs::defaultName() {
    const ComScope com;
    std::string name;
    IMMDeviceEnumerator* devices = enumerator();
    IMMDevice* output = defaultOutput(devices);
    if (output != nullptr) name = friendlyName(output);
    release(output);
    release(devices);
    return name;
}

}  // namespace orv::win32
