// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and reports how long it took until its top-level window
 * named TITLE was mapped on the X server, and the program's peak resident
 * memory. Prints "<milliseconds> <peak kB>".
 * Usage: measure TITLE PROGRAM [ARGS...]   (DISPLAY must be set) */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int has_title(Display* display, Window window, const char* title) {
    char* name = NULL;
    int match = 0;
    if (XFetchName(display, window, &name) && name) {
        match = strcmp(name, title) == 0;
        XFree(name);
    }
    return match;
}

int main(int argc, char* argv[]) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    /* Without a window manager, top-level windows are the root's children:
     * their MapNotify arrives through the root's substructure events. */
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && has_title(display, event.xmap.window, argv[1])) {
            mapped = now_ms() - start;
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    printf("%.1f %ld\n", mapped, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
