// Asks a top-level window to close the way a window manager's close button does: a
// WM_DELETE_WINDOW client message. The end-to-end test runs without a window manager,
// where this message is the only polite way to close a window.
//
//   daybloom_e2e_close WINDOW-ID        (decimal or 0x hexadecimal, as xdotool prints it)

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display *display) const { XCloseDisplay(display); }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char *end = nullptr;
    const Window window = std::strtoul(argv[1], &end, 0);
    if (*end != '\0' || window == 0) {
        std::fprintf(stderr, "not a window id: %s\n", argv[1]);
        return 2;
    }
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display.get(), window, False, NoEventMask, &event)) {
        std::fprintf(stderr, "cannot send the close request to window %s\n", argv[1]);
        return 1;
    }
    XSync(display.get(), False);
    return 0;
}
