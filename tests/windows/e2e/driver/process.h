// Starting and watching a Windows program under test.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orv::testing {

// The Windows path of a program given either as a Windows path or as a Unix path (Wine's
// view of the same file, as CMake knows it): "/a/b.exe" becomes e.g. "Z:\a\b.exe".
std::wstring toWindowsPath(const std::wstring& path);

// The program under test: the environment variable ORVANTA_EXE, as a Windows path; empty
// when it is not set.
std::wstring programUnderTest();

// A running program, started by start(); ends it (TerminateProcess) on destruction if it
// still runs, so a failing test leaves nothing behind.
class Process {
  public:
    // Starts `path` with `arguments` (each quoted as needed), in the folder of the program.
    // Returns an empty optional, and sets `error` if given, when it cannot be started.
    static std::optional<Process> start(const std::wstring& path,
                                        const std::vector<std::wstring>& arguments = {},
                                        DWORD* error = nullptr);

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_; }
    bool running() const;
    // Waits up to `limit` for the program to end; its exit code if it did.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(20));
    void terminate();

  private:
    Process(HANDLE process, DWORD id) : process_(process), id_(id) {}
    void release();

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace orv::testing
