#include "desktop/EventSound.h"

#include <QLibrary>

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "platform/AppIdentity.h"
#include "text/Utf8Text.h"

namespace {

// libcanberra's functions, loaded with the first sound rather than linked: a start that plays
// nothing maps neither it nor the libraries it brings. Without the library, or without one of the
// functions, every pointer is null.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;

    static Canberra Load() {
        // Stays loaded for the program's life, as a linked library would.
        QLibrary library(QStringLiteral("canberra"), 0);
        Canberra canberra{
            reinterpret_cast<decltype(create)>(library.resolve("ca_context_create")),
            reinterpret_cast<decltype(changeProps)>(library.resolve("ca_context_change_props")),
            reinterpret_cast<decltype(play)>(library.resolve("ca_context_play")),
            reinterpret_cast<decltype(destroy)>(library.resolve("ca_context_destroy"))};
        if (!canberra.create || !canberra.changeProps || !canberra.play || !canberra.destroy)
            return {};
        return canberra;
    }
};

// One thread, started by the first sound, loads libcanberra and owns its context for the
// program's life: loading, creating the context and connecting to the sound server may take a
// moment, or fail after one, and never in the caller's thread. The thread is stopped and joined
// when the program ends.
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
        const Canberra canberra = Canberra::Load();
        ca_context* context = nullptr;
        if (canberra.create && canberra.create(&context) == CA_SUCCESS)
            canberra.changeProps(context, CA_PROP_APPLICATION_NAME, name.c_str(), nullptr);
        else
            context = nullptr;
        std::unique_lock lock(mutex);
        while (wake.wait(lock, stop, [this] { return wanted; })) {
            // Sounds asked for together play once.
            wanted = false;
            lock.unlock();
            // Does not wait for the sound to end; without a device or a server it plays nothing.
            if (context != nullptr) {
                canberra.play(context, 0, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                              CA_PROP_EVENT_DESCRIPTION, name.c_str(), nullptr);
            }
            lock.lock();
        }
        if (context != nullptr)
            canberra.destroy(context);
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
