// The program's entry point: gathers the application facts, puts the Windows services together
// and hands them to the program, then lives on the window messages.
#include <windows.h>

#include "windows/app/program.h"
#include "windows/win32/system_sound_sources.h"
#include "windows/win32/win32.h"
#include "windows/win32/window_proc.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    using namespace orv;
    // Held for the life of the process: a later copy finds it and refuses to run.
    const win32::SingleInstance instanceLock(L"Local\\Orvanta2.SingleInstance");
    const forms::AppInfo info = win32::applicationInfo(instance, instanceLock.anotherRuns());

    win32::Win32Platform platform(instance, info.title);
    win32::RegistrySettingsStore store;
    win32::SystemSoundSources sound;
    app::Program program(platform, store, sound.sources, info);
    win32::unexpectedFailureReport() = [&program] { program.reportUnexpectedFailure(); };
    if (!program.Main()) return 0;
    // The program ends through Platform::endProgram; the loop ends only on a stray WM_QUIT.
    const int status = platform.run();
    win32::unexpectedFailureReport() = nullptr;
    return status;
}
