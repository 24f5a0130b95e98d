#include "desktop/EventSound.h"

#include <windows.h>

#include <mmsystem.h>

void PlayEventSound() {
    // Asynchronous; without the sound or a device, nothing plays and nothing is said.
    PlaySoundW(L"Notification.Default", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}
