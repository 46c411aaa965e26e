#pragma once

#include <gtest/gtest.h>

#include "windows/app/program.h"
#include "windows/settings/settings_store.h"
#include "windows/support/fake_platform.h"
#include "windows/support/scripted_wave_in.h"

namespace orv::testing {

// A whole program over fakes: the platform, an in-memory store and a scripted device.
class ProgramTest : public ::testing::Test {
  protected:
    static forms::AppInfo appInfo(bool prevInstance = false) {
        forms::AppInfo info;
        info.path = "C:\\Orvanta";
        info.prevInstance = prevInstance;
        info.comments = "http://orvanta.example.org/";
        info.fileDescription = "Программа для спектрального анализа звука";
        return info;
    }

    FakePlatform platform;
    settings::MemorySettingsStore store;
    ScriptedWaveIn device;
};

}  // namespace orv::testing
