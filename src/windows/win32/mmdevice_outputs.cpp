#include "windows/win32/mmdevice_outputs.h"

#include <windows.h>

#include <mmdeviceapi.h>
#include <objbase.h>
#include <propsys.h>

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

}  // namespace

std::vector<std::string> MmDeviceOutputs::names() {
    const ComScope com;
    std::vector<std::string> names;
    IMMDeviceEnumerator* devices = enumerator();
    IMMDeviceCollection* outputs = nullptr;
    UINT count = 0;
    if (devices != nullptr &&
        SUCCEEDED(devices->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &outputs)) &&
        SUCCEEDED(outputs->GetCount(&count))) {
        for (UINT i = 0; i < count; ++i) {
            IMMDevice* output = nullptr;
            if (SUCCEEDED(outputs->Item(i, &output))) {
                if (std::string name = friendlyName(output); !name.empty())
                    names.push_back(std::move(name));
            }
            release(output);
        }
    }
    release(outputs);
    release(devices);
    return names;
}

std::string MmDeviceOutputs::defaultName() {
    const ComScope com;
    std::string name;
    IMMDeviceEnumerator* devices = enumerator();
    IMMDevice* output = nullptr;
    if (devices != nullptr &&
        SUCCEEDED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output)))
        name = friendlyName(output);
    release(output);
    release(devices);
    return name;
}

}  // namespace orv::win32
