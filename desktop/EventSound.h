#pragma once

// Plays the desktop's sound for a reminder, without waiting for it: the freedesktop sound
// "alarm-clock-elapsed" through libcanberra on Linux, the system's notification sound on Windows.
// Without a sound device or sound server, or on Linux without libcanberra, it plays nothing and
// says nothing.
void PlayEventSound();
