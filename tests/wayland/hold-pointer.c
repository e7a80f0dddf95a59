/* Holds a virtual pointer on the compositor's seat until killed. */
#include "virtual-pointer.h"

#include <stdio.h>
#include <string.h>
#include <unistd.h>

static struct zwlr_virtual_pointer_manager_v1 *manager;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)data, (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

int main(void)
{
    static const struct wl_registry_listener listener = {global, global_remove};
    struct wl_display *display = wl_display_connect(NULL);
    if (!display)
        return fprintf(stderr, "no Wayland display\n"), 1;
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (!manager)
        return fprintf(stderr, "no virtual pointer manager\n"), 1;
    zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, NULL);
    wl_display_roundtrip(display);
    puts("ready");
    fflush(stdout);
    while (wl_display_dispatch(display) != -1)
        ;
    return 0;
}
