// A keyboard for weston's headless backend, which has no input devices. Loaded with
// `weston --modules=`, it adds a seat with a keyboard, presses the keys a test writes
// to a FIFO and appends to a file each change of the keyboard focus, so that a test
// can play a real Wayland client through the compositor as a keyboard would. Weston's
// own tests do the same with a module that Debian does not ship.
//
// Environment: CRUMBLETON_SEAT_INPUT, the FIFO that carries lines "key CODE 1|0"
// (Linux input key codes, 1 pressed, 0 released); CRUMBLETON_SEAT_EVENTS, the file
// that receives lines "focus LABEL" (the compositor's label of the focused surface).

#include <fcntl.h>
#include <libweston/libweston.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" {
// Exported by libweston 10 for its backends but declared only in its private headers.
void weston_seat_init(weston_seat* seat, weston_compositor* compositor, const char* name);
int weston_seat_init_keyboard(weston_seat* seat, xkb_keymap* keymap);
void weston_seat_release(weston_seat* seat);
void notify_key(weston_seat* seat, const timespec* time, uint32_t key, wl_keyboard_key_state state,
                weston_key_state_update update);

WL_EXPORT int wet_module_init(weston_compositor* compositor, int* argc, char* argv[]);
}

namespace {

struct TestSeat {
    weston_compositor* compositor = nullptr;
    weston_seat seat{};
    int input = -1;
    wl_event_source* inputSource = nullptr;
    std::string pending;
    FILE* events = nullptr;
    wl_listener focus{};
    wl_listener destroy{};
};

void PressKey(TestSeat& test, const std::string& line) {
    unsigned code = 0;
    int pressed = 0;
    if (std::sscanf(line.c_str(), "key %u %d", &code, &pressed) != 2) {
        weston_log("test seat: ignoring \"%s\"\n", line.c_str());
        return;
    }
    timespec now{};
    weston_compositor_get_time(&now);
    notify_key(&test.seat, &now, code,
               pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
               STATE_UPDATE_AUTOMATIC);
}

int ReadInput(int fd, uint32_t, void* data) {
    auto& test = *static_cast<TestSeat*>(data);
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) test.pending.append(buffer, static_cast<size_t>(n));
    for (size_t end; (end = test.pending.find('\n')) != std::string::npos;) {
        PressKey(test, test.pending.substr(0, end));
        test.pending.erase(0, end + 1);
    }
    return 0;
}

void FocusChanged(wl_listener* listener, void* data) {
    TestSeat* test = wl_container_of(listener, test, focus);
    weston_surface* surface = static_cast<weston_keyboard*>(data)->focus;
    char label[256] = "none";
    if (surface != nullptr && surface->get_label != nullptr) surface->get_label(surface, label, sizeof label);
    std::fprintf(test->events, "focus %s\n", label);
    std::fflush(test->events);
}

void CompositorDestroyed(wl_listener* listener, void*) {
    TestSeat* test = wl_container_of(listener, test, destroy);
    wl_list_remove(&test->focus.link);
    wl_event_source_remove(test->inputSource);
    close(test->input);
    std::fclose(test->events);
    weston_seat_release(&test->seat);
    delete test;
}

}  // namespace

WL_EXPORT int wet_module_init(weston_compositor* compositor, int*, char*[]) {
    const char* inputPath = std::getenv("CRUMBLETON_SEAT_INPUT");
    const char* eventsPath = std::getenv("CRUMBLETON_SEAT_EVENTS");
    if (inputPath == nullptr || eventsPath == nullptr) {
        weston_log(
            "test seat: CRUMBLETON_SEAT_INPUT and CRUMBLETON_SEAT_EVENTS must name a FIFO and a file\n");
        return -1;
    }
    auto* test = new TestSeat;
    test->compositor = compositor;
    // Opened for writing too, so that the FIFO never reports end of file between writers.
    test->input = open(inputPath, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    test->events = std::fopen(eventsPath, "a");
    if (test->input < 0 || test->events == nullptr) {
        weston_log("test seat: cannot open %s or %s\n", inputPath, eventsPath);
        if (test->input >= 0) close(test->input);
        if (test->events != nullptr) std::fclose(test->events);
        delete test;
        return -1;
    }

    weston_seat_init(&test->seat, compositor, "crumbleton-test-seat");
    weston_seat_init_keyboard(&test->seat, nullptr);
    test->focus.notify = FocusChanged;
    wl_signal_add(&weston_seat_get_keyboard(&test->seat)->focus_signal, &test->focus);

    wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    test->inputSource = wl_event_loop_add_fd(loop, test->input, WL_EVENT_READABLE, ReadInput, test);
    weston_compositor_add_destroy_listener_once(compositor, &test->destroy, CompositorDestroyed);
    return 0;
}
