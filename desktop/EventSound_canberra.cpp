#include "desktop/EventSound.h"

#include <canberra.h>

#include <mutex>
#include <thread>

namespace {

// One context for the program's life; libcanberra's calls may come from any thread.
ca_context* Context() {
    static ca_context* context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Quillot", nullptr);
        return created;
    }();
    return context;
}

std::mutex playing;

}  // namespace

void PlayEventSound() {
    // Connecting to the sound server may take a moment, or fail after one: never in the caller's
    // thread. Sounds that come together play one after the other.
    std::thread([] {
        const std::lock_guard lock(playing);
        if (ca_context* context = Context()) {
            ca_context_play(context, 0, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                            CA_PROP_EVENT_DESCRIPTION, "Quillot", nullptr);
        }
    }).detach();
}
