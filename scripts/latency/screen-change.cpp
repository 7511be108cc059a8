// SPDX-License-Identifier: MIT
// Measures how long the screen takes to answer a key: reads a rectangle of the X screen, sends
// the key with xdotool, and reads the rectangle again and again until a pixel differs. Prints
// the milliseconds from just before xdotool starts to the first changed reading (the time
// includes xdotool's own start, so it errs on the long side).
//
//   screen-change X Y WIDTH HEIGHT KEY [TIMEOUT_MS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

std::vector<unsigned long> readRectangle(Display* display, int x, int y, int width, int height) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y,
                              static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    if (image == nullptr) {
        return pixels;
    }
    pixels.reserve(static_cast<std::size_t>(width * height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pixels.push_back(XGetPixel(image, column, row));
        }
    }
    XDestroyImage(image);
    return pixels;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT KEY [TIMEOUT_MS]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    const std::string key = argv[5];
    const int timeoutMs = argc > 6 ? std::atoi(argv[6]) : 5000;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const std::vector<unsigned long> before = readRectangle(display, x, y, width, height);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    char xdotool[] = "xdotool";
    char keyWord[] = "key";
    std::vector<char> keyText(key.begin(), key.end());
    keyText.push_back('\0');
    char* args[] = {xdotool, keyWord, keyText.data(), nullptr};
    if (posix_spawnp(&child, "xdotool", nullptr, nullptr, args, environ) != 0) {
        std::fprintf(stderr, "cannot start xdotool\n");
        return 1;
    }
    bool reaped = false;
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::microseconds>(now - start).count();
        if (readRectangle(display, x, y, width, height) != before) {
            std::printf("%.1f\n", static_cast<double>(elapsed) / 1000.0);
            break;
        }
        if (elapsed > timeoutMs * 1000L) {
            std::printf("timeout\n");
            break;
        }
        if (!reaped) {
            int status = 0;
            reaped = waitpid(child, &status, WNOHANG) == child;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (!reaped) {
        int status = 0;
        waitpid(child, &status, 0);
    }
    XCloseDisplay(display);
    return 0;
}
