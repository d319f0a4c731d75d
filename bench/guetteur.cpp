// Watches and drives the X screen for bench/fenetre_reelle.sh.
//   guetteur SECONDES X,Y,L,H [X,Y,L,H ...]
//     prints each change of the zones as it sees it: the wall-clock time in seconds (the
//     clock of bash's EPOCHREALTIME), the zone's number from 0 and a hash of its pixels.
//     The first line of each zone is its state when the watch begins. It reads the
//     screen every 2 ms, which costs the X server some work: the script keeps it away
//     from the measures of CPU.
//   guetteur --mouvements SECONDES
//     moves the pointer for that long, 100 times a second, round and round over the
//     board (bowls, foods and bins), as a hand would through XTEST.
//   guetteur --clics N X Y X,Y,L,H [X,Y,L,H ...]
//     N presses at X, Y, a left and a right one in turn, a few tenths of a second apart;
//     for each, the milliseconds from the moment the press leaves for the X server to the
//     first change of any zone (read every half millisecond), then the median and the
//     longest.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>
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

bool lire_zones(int argc, char** argv, int premier, std::vector<Zone>& zones)
{
    for (int i = premier; i < argc; ++i) {
        Zone r{};
        if (std::sscanf(argv[i], "%d,%d,%u,%u", &r.x, &r.y, &r.l, &r.h) != 4 || r.l == 0 || r.h == 0)
            return false;
        zones.push_back(r);
    }
    return !zones.empty();
}

// The zone's hash, or 0 when the screen could not be read.
std::uint64_t vue(Display* ecran, const Zone& r)
{
    XImage* image = XGetImage(ecran, DefaultRootWindow(ecran), r.x, r.y, r.l, r.h, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const std::uint64_t h = empreinte(image);
    XDestroyImage(image);
    return h;
}

int guetter(Display* ecran, double duree, const std::vector<Zone>& zones)
{
    std::vector<std::uint64_t> vues(zones.size());
    std::vector<bool> connues(zones.size(), false);
    const double fin = secondes() + duree;
    for (double t = secondes(); t < fin; t = secondes()) {
        for (std::size_t i = 0; i < zones.size(); ++i) {
            const std::uint64_t h = vue(ecran, zones[i]);
            if (h != 0 && (!connues[i] || h != vues[i])) {
                std::printf("%.4f %zu %016llx\n", t, i, static_cast<unsigned long long>(h));
                std::fflush(stdout);
                vues[i] = h;
                connues[i] = true;
            }
        }
        usleep(2000);
    }
    return 0;
}

int bouger(Display* ecran, double duree)
{
    const auto debut = std::chrono::steady_clock::now();
    const auto periode = std::chrono::milliseconds(10);
    const int fois = static_cast<int>(duree * 100);
    for (int i = 0; i < fois; ++i) {
        // An ellipse over x 400 to 800, y 100 to 560, once every two seconds.
        const double a = 2 * M_PI * i / 200.0;
        XTestFakeMotionEvent(ecran, -1, static_cast<int>(600 + 200 * std::cos(a)),
                             static_cast<int>(330 + 230 * std::sin(a)), CurrentTime);
        XFlush(ecran);
        std::this_thread::sleep_until(debut + (i + 1) * periode);
    }
    return 0;
}

int cliquer(Display* ecran, int n, int x, int y, const std::vector<Zone>& zones)
{
    XTestFakeMotionEvent(ecran, -1, x, y, CurrentTime);
    XSync(ecran, False);
    std::vector<double> delais;
    for (int i = 0; i < n; ++i) {
        // Unevenly spaced, so that the presses fall anywhere in the game's rests.
        usleep(static_cast<useconds_t>(300000 + (i * 37) % 100 * 1000));
        std::vector<std::uint64_t> avant;
        for (const Zone& z : zones)
            avant.push_back(vue(ecran, z));
        const unsigned bouton = i % 2 == 0 ? 1 : 3;
        const double t0 = secondes();
        XTestFakeButtonEvent(ecran, bouton, True, CurrentTime);
        XFlush(ecran);
        double t1 = 0;
        while (t1 == 0 && secondes() - t0 < 2) {
            for (std::size_t k = 0; k < zones.size() && t1 == 0; ++k)
                if (vue(ecran, zones[k]) != avant[k])
                    t1 = secondes();
            if (t1 == 0)
                usleep(500);
        }
        XTestFakeButtonEvent(ecran, bouton, False, CurrentTime);
        XFlush(ecran);
        if (t1 == 0) {
            std::fprintf(stderr, "guetteur: press %d changed nothing on the screen within 2 s\n", i + 1);
            return 1;
        }
        delais.push_back(1000 * (t1 - t0));
        std::printf("press %d: %.1f ms\n", i + 1, delais.back());
    }
    std::sort(delais.begin(), delais.end());
    std::printf("click to screen: median %.1f ms, longest %.1f ms over %d presses\n", delais[delais.size() / 2],
                delais.back(), n);
    return 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: guetteur SECONDES X,Y,L,H [X,Y,L,H ...]\n"
                 "       guetteur --mouvements SECONDES\n"
                 "       guetteur --clics N X Y X,Y,L,H [X,Y,L,H ...]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    enum { Guetter, Bouger, Cliquer } mode = Guetter;
    double duree = 0;
    int n = 0, x = 0, y = 0;
    std::vector<Zone> zones;
    if (argc == 3 && std::strcmp(argv[1], "--mouvements") == 0 && std::sscanf(argv[2], "%lf", &duree) == 1)
        mode = Bouger;
    else if (argc >= 6 && std::strcmp(argv[1], "--clics") == 0 && std::sscanf(argv[2], "%d", &n) == 1 && n > 0 &&
             std::sscanf(argv[3], "%d", &x) == 1 && std::sscanf(argv[4], "%d", &y) == 1 && lire_zones(argc, argv, 5, zones))
        mode = Cliquer;
    else if (!(argc >= 3 && std::sscanf(argv[1], "%lf", &duree) == 1 && lire_zones(argc, argv, 2, zones)))
        return usage();

    Display* ecran = XOpenDisplay(nullptr);
    if (!ecran) {
        std::fprintf(stderr, "guetteur: cannot open the display\n");
        return 1;
    }
    int evenement = 0, erreur = 0, majeure = 0, mineure = 0;
    if (mode != Guetter && !XTestQueryExtension(ecran, &evenement, &erreur, &majeure, &mineure)) {
        std::fprintf(stderr, "guetteur: the X server has no XTEST extension\n");
        XCloseDisplay(ecran);
        return 1;
    }
    const int statut = mode == Bouger ? bouger(ecran, duree) : mode == Cliquer ? cliquer(ecran, n, x, y, zones)
                                                                                : guetter(ecran, duree, zones);
    XCloseDisplay(ecran);
    return statut;
}
