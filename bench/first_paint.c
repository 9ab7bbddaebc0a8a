/* Starts a program and prints, in milliseconds from its start, when its window (named by the
 * first argument) was first mapped and when it was first painted: "MAP PAINT".
 * The paint is the first damage the X server reports on that window, so it counts the pixels the
 * program sent, not a poll of the window list.
 * Usage: first_paint NAME PROGRAM [ARGUMENTS...] */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Qt writes the UTF-8 title to _NET_WM_NAME. */
static int Named(Display* display, Window window, const char* name)
{
    Atom type;
    int format;
    unsigned long count, rest;
    unsigned char* value = NULL;
    int match = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &count, &rest, &value) == Success &&
        value) {
        match = strcmp((const char*)value, name) == 0;
        XFree(value);
    }
    return match;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: first_paint NAME PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "first_paint: cannot open the X display\n");
        return 2;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        /* The program's own output would mix with the figures. */
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    Window window = 0;
    for (;;) {
        if (!XPending(display)) {
            struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                fprintf(stderr, "first_paint: %s ended before painting its window\n", argv[2]);
                return 1;
            }
            if (poll(&fd, 1, 200) == 0 && NowMs() - start > 20000) {
                fprintf(stderr, "first_paint: no window named %s painted within 20 s\n", argv[1]);
                kill(pid, SIGTERM);
                waitpid(pid, NULL, 0);
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            /* Watched from its creation on: nothing can be painted on it before. */
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !window && Named(display, event.xmap.window, argv[1])) {
            window = event.xmap.window;
            mapped = NowMs() - start;
        } else if (event.type == damageEvent + XDamageNotify && window && ((XDamageNotifyEvent*)&event)->drawable == window) {
            printf("%.1f %.1f\n", mapped, NowMs() - start);
            break;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    return 0;
}
