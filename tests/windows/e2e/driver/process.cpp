#include "driver/process.h"

#include <utility>

namespace orv::testing {

namespace {

// Quotes one argument the way CommandLineToArgvW and the C runtime read it back.
std::wstring quote(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash);
}

}  // namespace

std::wstring toWindowsPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/') return path;
    // Wine's own conversion knows every drive mapping; Z: is the root otherwise.
    using Convert = LPWSTR(CDECL*)(LPCSTR);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (convert != nullptr) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string unix_path(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, unix_path.data(), bytes, nullptr,
                            nullptr);
        if (LPWSTR dos = convert(unix_path.c_str())) {
            std::wstring result = dos;
            HeapFree(GetProcessHeap(), 0, dos);
            return result;
        }
    }
    std::wstring result = L"Z:" + path;
    for (auto& c : result) {
        if (c == L'/') c = L'\\';
    }
    return result;
}

std::wstring programUnderTest() {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length =
        GetEnvironmentVariableW(L"ORVANTA_EXE", value.data(), static_cast<DWORD>(value.size()));
    if (length > value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(L"ORVANTA_EXE", value.data(), length);
    }
    value.resize(length);
    return toWindowsPath(value);
}

std::optional<Process> Process::start(const std::wstring& path,
                                      const std::vector<std::wstring>& arguments, DWORD* error) {
    std::wstring command_line = quote(path);
    for (const auto& argument : arguments) command_line += L" " + quote(argument);
    const std::wstring folder = folderOf(path);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        if (error != nullptr) *error = GetLastError();
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        release();
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    release();
}

void Process::release() {
    if (process_ == nullptr) return;
    terminate();
    CloseHandle(process_);
    process_ = nullptr;
}

bool Process::running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitForExit(std::chrono::milliseconds limit) {
    if (process_ == nullptr ||
        WaitForSingleObject(process_, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Process::terminate() {
    if (!running()) return;
    TerminateProcess(process_, 0xDEAD);
    WaitForSingleObject(process_, 10000);
}

}  // namespace orv::testing
