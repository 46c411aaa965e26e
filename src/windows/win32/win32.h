#pragma once

// The Windows side of the program, for the entry point and the Windows-side tests.
#include "windows/win32/app_facts.h"
#include "windows/win32/registry_store.h"
#include "windows/win32/win32_platform.h"
#include "windows/win32/winmm_wave_in.h"
