#pragma once

#include <windows.h>

#include <string>

#include "windows/forms/app_info.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// The folder that holds a module's file, without a trailing separator.
std::string moduleFolder(HMODULE module);

// One string of a module's version information ("Comments", "FileDescription", ...), taken from
// the first language the resource lists; empty when absent.
std::string versionString(HMODULE module, const wchar_t* name);

// Tells whether another copy runs in this user's session: the first copy holds a named mutex
// for as long as it lives.
class SingleInstance {
  public:
    explicit SingleInstance(const wchar_t* name);
    bool anotherRuns() const noexcept { return anotherRuns_; }

  private:
    UniqueKernelHandle mutex_;
    bool anotherRuns_ = false;
};

// The application facts of this executable.
forms::AppInfo applicationInfo(HMODULE module, bool prevInstance);

}  // namespace orv::win32
