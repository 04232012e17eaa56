// Starts a program and prints the milliseconds from its start to its first
// painted top-level window, observed from outside through the X server: the
// window's map is seen on the root window, each drawing into it is reported
// by the DAMAGE extension, and the window counts as painted once at least
// nine tenths of its pixels differ from the black root behind it (run the
// server with -br). The program itself is not touched and knows nothing.
// Beside the wall time it prints the CPU time the program's threads had used by
// then and the time they had waited for a CPU, from the kernel's schedstat.
//
// Usage: first_paint <program> [arguments...]
// Prints: <wall ms> <cpu ms> <run-queue wait ms>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// CPU and run-queue nanoseconds of all threads of a process so far.
void schedstat(pid_t pid, double &cpuMs, double &waitMs)
{
    cpuMs = waitMs = 0.0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return;
    while (dirent *e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        FILE *f = std::fopen((tasks + "/" + e->d_name + "/schedstat").c_str(), "r");
        if (!f)
            continue;
        unsigned long long run = 0, wait = 0;
        if (std::fscanf(f, "%llu %llu", &run, &wait) == 2) {
            cpuMs += run / 1e6;
            waitMs += wait / 1e6;
        }
        std::fclose(f);
    }
    closedir(dir);
}

// True once nearly the whole window holds something other than black.
bool painted(xcb_connection_t *c, xcb_window_t w)
{
    xcb_get_geometry_reply_t *geo = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!geo)
        return false;
    const int width = geo->width;
    const int height = geo->height;
    std::free(geo);
    xcb_get_image_reply_t *img = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, width, height, ~0u), nullptr);
    if (!img)
        return false;
    const int length = xcb_get_image_data_length(img);
    const uint8_t *data = xcb_get_image_data(img);
    bool result = false;
    // 24-bit depth comes as 32 bits per pixel.
    if (img->depth >= 24 && length >= width * height * 4) {
        long lit = 0;
        const auto *px = reinterpret_cast<const uint32_t *>(data);
        for (long i = 0; i < long(width) * height; ++i)
            lit += (px[i] & 0x00ffffffu) != 0;
        result = lit * 10 >= long(width) * height * 9;
    }
    std::free(img);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_damage_id);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const uint8_t damageNotify = ext->first_event + XCB_DAMAGE_NOTIFY;

    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t *err = xcb_request_check(
        c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    if (err) {
        std::fprintf(stderr, "first_paint: cannot watch the root window\n");
        return 2;
    }

    const double start = nowMs();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[1]);
        return 2;
    }

    xcb_window_t window = XCB_NONE;
    xcb_damage_damage_t damage = XCB_NONE;
    double done = -1.0;
    double cpuMs = 0.0;
    double waitMs = 0.0;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    int status = 0;
    bool exited = false;
    while (done < 0.0) {
        xcb_generic_event_t *ev = xcb_poll_for_event(c);
        if (!ev) {
            if (waitpid(child, &status, WNOHANG) == child) {
                exited = true;
                break;
            }
            if (xcb_connection_has_error(c) || nowMs() - start > 30000.0)
                break;
            poll(&pfd, 1, 100);
            continue;
        }
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            window = reinterpret_cast<xcb_map_notify_event_t *>(ev)->window;
            damage = xcb_generate_id(c);
            xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            // Drawing done before the damage object existed shows in this look.
            if (painted(c, window))
                done = nowMs();
        } else if (type == damageNotify && window != XCB_NONE) {
            xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
            if (painted(c, window))
                done = nowMs();
        }
        std::free(ev);
    }

    if (done >= 0.0)
        schedstat(child, cpuMs, waitMs);
    if (!exited) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
    }
    if (done < 0.0) {
        std::fprintf(stderr, "first_paint: %s showed no painted window\n", argv[1]);
        return 1;
    }
    std::printf("%.3f %.3f %.3f\n", done - start, cpuMs, waitMs);
    return 0;
}
