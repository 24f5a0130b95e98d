#include "desktop/EventSound.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "platform/AppIdentity.h"
#include "text/Utf8Text.h"

namespace {

// One thread, started by the first sound, owns the libcanberra context for the program's life:
// creating it and connecting to the sound server may take a moment, or fail after one, and never
// in the caller's thread. The thread is stopped and joined when the program ends.
class SoundPlayer {
  public:
    void Play() {
        {
            const std::lock_guard lock(mutex);
            wanted = true;
        }
        wake.notify_one();
    }

  private:
    void Run(const std::stop_token& stop) {
        const std::string name = EncodeUtf8(kAppTitle);
        ca_context* context = nullptr;
        if (ca_context_create(&context) == CA_SUCCESS)
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, name.c_str(), nullptr);
        else
            context = nullptr;
        std::unique_lock lock(mutex);
        while (wake.wait(lock, stop, [this] { return wanted; })) {
            // Sounds asked for together play once.
            wanted = false;
            lock.unlock();
            // Does not wait for the sound to end; without a device or a server it plays nothing.
            if (context != nullptr) {
                ca_context_play(context, 0, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                                CA_PROP_EVENT_DESCRIPTION, name.c_str(), nullptr);
            }
            lock.lock();
        }
        if (context != nullptr)
            ca_context_destroy(context);
    }

    std::mutex mutex;
    std::condition_variable_any wake;
    bool wanted = false;
    std::jthread thread{
        [this](const std::stop_token& stop) { Run(stop); }};  // last: uses the above
};

}  // namespace

void PlayEventSound() {
    static SoundPlayer player;
    player.Play();
}
