// The end-to-end driver: starts the real program and inspects it through Win32 alone
// (window and control messages, pixels), while known sound plays into the null sink.
#pragma once

#include "driver/message_box.h"    // IWYU pragma: export
#include "driver/pixels.h"         // IWYU pragma: export
#include "driver/process.h"        // IWYU pragma: export
#include "driver/window_query.h"   // IWYU pragma: export
#include "support/sound_player.h"  // IWYU pragma: export
#include "support/wait.h"          // IWYU pragma: export
