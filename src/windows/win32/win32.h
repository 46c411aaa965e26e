#pragma once

// The Windows side of the program, for the entry point and the Windows-side tests.
#include "platform/win32/app_facts.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/winmm_wave_in.h"
