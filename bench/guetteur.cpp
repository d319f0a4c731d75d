// Watches small zones of the X screen for bench/fenetre_reelle.sh and prints each
// change as it sees it: the wall-clock time in seconds (the clock of bash's
// EPOCHREALTIME), the zone's number from 0 and a hash of its pixels. The first line
// of each zone is its state when the watch begins.
// Usage: guetteur SECONDES X,Y,L,H [X,Y,L,H ...]
// It reads the screen every 2 ms, which costs the X server some work: the script keeps
// it away from the measure of CPU at rest.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
struct Zone {
    int x, y;
    unsigned l, h;
};

double secondes()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// FNV-1a over the region's rows, without the padding at their ends.
std::uint64_t empreinte(XImage* image)
{
    std::uint64_t h = 1469598103934665603u;
    const auto largeur = static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->bits_per_pixel) / 8;
    for (int y = 0; y < image->height; ++y) {
        const auto* ligne = reinterpret_cast<const unsigned char*>(image->data) + static_cast<std::size_t>(y) * static_cast<std::size_t>(image->bytes_per_line);
        for (std::size_t i = 0; i < largeur; ++i)
            h = (h ^ ligne[i]) * 1099511628211u;
    }
    return h;
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<Zone> zones;
    double duree = 0;
    if (argc >= 3 && std::sscanf(argv[1], "%lf", &duree) == 1)
        for (int i = 2; i < argc; ++i) {
            Zone r{};
            if (std::sscanf(argv[i], "%d,%d,%u,%u", &r.x, &r.y, &r.l, &r.h) != 4 || r.l == 0 || r.h == 0) {
                zones.clear();
                break;
            }
            zones.push_back(r);
        }
    if (zones.empty()) {
        std::fprintf(stderr, "usage: guetteur SECONDES X,Y,L,H [X,Y,L,H ...]\n");
        return 2;
    }
    Display* ecran = XOpenDisplay(nullptr);
    if (!ecran) {
        std::fprintf(stderr, "guetteur: cannot open the display\n");
        return 1;
    }
    const Window racine = DefaultRootWindow(ecran);
    std::vector<std::uint64_t> vues(zones.size());
    std::vector<bool> connues(zones.size(), false);
    const double fin = secondes() + duree;
    for (double t = secondes(); t < fin; t = secondes()) {
        for (std::size_t i = 0; i < zones.size(); ++i) {
            const Zone& r = zones[i];
            XImage* image = XGetImage(ecran, racine, r.x, r.y, r.l, r.h, AllPlanes, ZPixmap);
            if (!image)
                continue;
            const std::uint64_t h = empreinte(image);
            XDestroyImage(image);
            if (!connues[i] || h != vues[i]) {
                std::printf("%.4f %zu %016llx\n", t, i, static_cast<unsigned long long>(h));
                std::fflush(stdout);
                vues[i] = h;
                connues[i] = true;
            }
        }
        usleep(2000);
    }
    XCloseDisplay(ecran);
    return 0;
}
