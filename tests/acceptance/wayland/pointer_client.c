/* Moves and clicks the pointer of a Wayland compositor through its virtual pointer protocol.
 *
 *   pointer_client WIDTH HEIGHT
 *
 * reads steps from its input, a line of them at a time, each one of
 *     move X Y       absolute motion to (X, Y) on a layout WIDTH by HEIGHT pixels large
 *     press B        button B (1 left, 2 middle, 3 right) goes down
 *     release B      and up again
 *     wait MS        a pause, as a hand would make between two clicks
 * and answers each line with "done" once the compositor has handled it, or "failed". Each step
 * is a frame of its own. The one pointer lives as long as the input stays open: a pointer
 * plugged in for every click would leave the program no time to take it up. */
#define _POSIX_C_SOURCE 200809L
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "virtual-pointer-client.h"

enum { BUTTON_LEFT = 0x110, BUTTON_RIGHT = 0x111, BUTTON_MIDDLE = 0x112 };
enum { RELEASED = 0, PRESSED = 1 };

static struct zwlr_virtual_pointer_manager_v1* manager;

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    }
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static uint32_t now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static uint32_t button_code(const char* text) {
    static const uint32_t codes[] = {BUTTON_LEFT, BUTTON_MIDDLE, BUTTON_RIGHT};
    const long number = strtol(text, NULL, 10);
    return number >= 1 && number <= 3 ? codes[number - 1] : 0;
}

static void sleep_ms(long ms) {
    const struct timespec pause = {ms / 1000, (ms % 1000) * 1000000};
    nanosleep(&pause, NULL);
}

/* Sends one step; returns how many arguments it took, or 0 if it makes no sense. */
static int send_step(struct zwlr_virtual_pointer_v1* pointer, uint32_t width, uint32_t height,
                     char** step, int left) {
    if (strcmp(step[0], "move") == 0 && left >= 3) {
        const uint32_t x = (uint32_t)strtoul(step[1], NULL, 10);
        const uint32_t y = (uint32_t)strtoul(step[2], NULL, 10);
        zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
        return 3;
    }
    if ((strcmp(step[0], "press") == 0 || strcmp(step[0], "release") == 0) && left >= 2 &&
        button_code(step[1]) != 0) {
        const uint32_t state = strcmp(step[0], "press") == 0 ? PRESSED : RELEASED;
        zwlr_virtual_pointer_v1_button(pointer, now_ms(), button_code(step[1]), state);
        return 2;
    }
    if (strcmp(step[0], "wait") == 0 && left >= 2) {
        sleep_ms(strtol(step[1], NULL, 10));
        return 2;
    }
    return 0;
}

/* Sends the steps of one line; false if one of them makes no sense. */
static bool send_line(struct wl_display* display, struct zwlr_virtual_pointer_v1* pointer,
                      uint32_t width, uint32_t height, char* line) {
    char* words[64];
    int count = 0;
    for (char* word = strtok(line, " \t\n"); word != NULL && count < 64;
         word = strtok(NULL, " \t\n")) {
        words[count++] = word;
    }
    for (int next = 0; next < count;) {
        const int taken = send_step(pointer, width, height, words + next, count - next);
        if (taken == 0) {
            fprintf(stderr, "cannot make sense of the step '%s'\n", words[next]);
            return false;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0) {
            return false;
        }
        next += taken;
    }
    return true;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT, then steps on the input\n", argv[0]);
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display to connect to\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "the compositor offers no virtual pointer\n");
        wl_display_disconnect(display);
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, NULL);
    wl_display_roundtrip(display);
    const uint32_t width = (uint32_t)strtoul(argv[1], NULL, 10);
    const uint32_t height = (uint32_t)strtoul(argv[2], NULL, 10);
    char line[1024];
    while (fgets(line, sizeof line, stdin) != NULL) {
        puts(send_line(display, pointer, width, height, line) ? "done" : "failed");
        fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(manager);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
