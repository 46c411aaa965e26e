#pragma once

namespace orv::render {

// SIGINT, SIGTERM, SIGHUP and SIGQUIT all end a run the same way: the output's temporary file
// removed, ffmpeg stopped, the status 128 + the signal. They are caught without restarting the
// call they interrupt, so a read or write that waits on a pipe gives up at once.
void catchEndingSignals();

// The ending signal caught so far, or 0.
int endingSignal();

// Throws Interrupted when an ending signal has been caught.
void stopIfSignalled();

}  // namespace orv::render
