// Makes the base textures that ship beside the program: the catalogue (Clips_Textures) and the
// emboss backgrounds (TextureFond), as 24-bit BMP files. Every texture is procedural and
// tiles seamlessly, so the output is the same on every build.
//
// Usage: tessella_make_textures OUTPUT_FOLDER

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double Random(int x, int y, uint32_t seed) {
    return (Hash(x, y, seed) & 0xFFFFFF) / 16777215.0;
}

int Wrap(int v, int period) {
    return ((v % period) + period) % period;
}

// Value noise on a lattice of px x py cells across the unit square, wrapping at its edges.
double Noise2(double u, double v, int px, int py, uint32_t seed) {
    const double x = u * px, y = v * py;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) { return Random(Wrap(i, px), Wrap(j, py), seed); };
    const double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}

double Noise(double u, double v, int period, uint32_t seed) {
    return Noise2(u, v, period, period, seed);
}

// Fractal sum of octaves, 0..1.
double Fbm(double u, double v, int period, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise(u, v, period << o, seed + static_cast<uint32_t>(o) * 101u);
        norm += amp;
        amp *= 0.5;
    }
    return sum / norm;
}

// Distance to the nearest and second nearest feature point of a wrapping cell grid.
void Cells(double u, double v, int period, uint32_t seed, double& d1, double& d2, int& id) {
    const double x = u * period, y = v * period;
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    d1 = d2 = 1e9;
    id = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = Wrap(cx + i, period), gy = Wrap(cy + j, period);
            const double px = cx + i + 0.15 + 0.7 * Random(gx, gy, seed);
            const double py = cy + j + 0.15 + 0.7 * Random(gx, gy, seed + 7);
            const double d = std::hypot(px - x, py - y);
            if (d < d1) {
                d2 = d1;
                d1 = d;
                id = gx * 131 + gy;
            } else if (d < d2) {
                d2 = d;
            }
        }
}

using Shader = std::function<Rgb(double u, double v, int size)>;

Rgb Bricks(double u, double v, int) {
    const int rows = 4;
    const double row = v * rows;
    const int r = static_cast<int>(row);
    double col = u * 2 + (r % 2 ? 0.5 : 0.0);
    const int c = static_cast<int>(std::floor(col));
    const double fx = col - c, fy = row - r;
    const double mortarX = 0.035, mortarY = 0.07;
    const double grain = Fbm(u, v, 8, 4, 11);
    if (fx < mortarX || fy < mortarY) return Mix({170, 165, 155}, {120, 115, 108}, grain);
    const double tone = Random(Wrap(c, 2), r, 5);
    Rgb brick = Mix({150, 58, 40}, {185, 92, 60}, tone);
    brick = Scale(brick, 0.8 + 0.4 * grain);
    const double edge = std::min({fx - mortarX, 1 - fx, fy - mortarY, 1 - fy});
    if (edge < 0.04) brick = Scale(brick, 0.85);
    return brick;
}

Rgb Stone(double u, double v, int) {
    double d1, d2;
    int id;
    Cells(u, v, 4, 21, d1, d2, id);
    const double n = Fbm(u, v, 8, 5, 23);
    const double shade = 0.75 + 0.25 * Random(id, 0, 29);
    Rgb rock = Scale(Mix({120, 118, 112}, {175, 170, 160}, n), shade);
    const double gap = d2 - d1;
    if (gap < 0.08) return Mix({45, 42, 40}, rock, gap / 0.08);
    return rock;
}

Rgb Wood(double u, double v, int) {
    const double warp = Fbm(u, v, 4, 4, 31);
    const double rings = std::sin((u * 6 + warp * 2.5) * 2 * kPi) * 0.5 + 0.5;
    const double fibre = Noise2(u, v, 64, 4, 37);
    Rgb wood = Mix({118, 72, 38}, {176, 120, 70}, rings * 0.8 + fibre * 0.2);
    // Plank joints every quarter of the height.
    const double fy = v * 4 - std::floor(v * 4);
    if (fy < 0.03) wood = Scale(wood, 0.55);
    return wood;
}

Rgb Grass(double u, double v, int) {
    const double n = Fbm(u, v, 8, 5, 41);
    const double blades = Noise2(u, v, 64, 8, 43);
    Rgb g = Mix({40, 95, 30}, {105, 160, 55}, n * 0.6 + blades * 0.4);
    if (Random(static_cast<int>(u * 512), static_cast<int>(v * 512), 47) > 0.985)
        g = {190, 200, 90};  // a few dry tips
    return g;
}

Rgb Metal(double u, double v, int size) {
    const double brushed = Noise(u, v, 2, 51) * 0.3 + Noise2(u, v, 4, 128, 53) * 0.25;
    Rgb m = Mix({120, 126, 134}, {190, 196, 204}, 0.45 + brushed);
    // A rivet near each corner of a 2 x 2 plate grid.
    const double px = u * 2 - std::floor(u * 2), py = v * 2 - std::floor(v * 2);
    const double rivet = std::hypot(px - 0.12, py - 0.12) * size / 2;
    if (rivet < 3.2) m = Mix({230, 232, 236}, {80, 84, 90}, (px + py - 0.2) * 4);
    if (px < 0.012 || py < 0.012) m = Scale(m, 0.6);
    return m;
}

Rgb Tiles(double u, double v, int) {
    const int n = 4;
    const double x = u * n, y = v * n;
    const int cx = static_cast<int>(x), cy = static_cast<int>(y);
    const double fx = x - cx, fy = y - cy;
    const double grain = Fbm(u, v, 16, 3, 61);
    if (fx < 0.06 || fy < 0.06) return Mix({205, 200, 190}, {170, 165, 158}, grain);
    Rgb tile = ((cx + cy) % 2) ? Rgb{45, 85, 140} : Rgb{225, 222, 210};
    tile = Scale(tile, 0.9 + 0.15 * grain);
    if (fx < 0.12 || fy < 0.12) tile = Scale(tile, 1.1);  // bevel light
    if (fx > 0.94 || fy > 0.94) tile = Scale(tile, 0.8);  // bevel shadow
    return tile;
}

Rgb Sand(double u, double v, int) {
    const double n = Fbm(u, v, 16, 4, 71);
    const double ripples = std::sin((v * 8 + Fbm(u, v, 4, 3, 73)) * 2 * kPi) * 0.5 + 0.5;
    return Mix({196, 168, 118}, {232, 210, 160}, n * 0.7 + ripples * 0.3);
}

Rgb Marble(double u, double v, int) {
    const double t = Fbm(u, v, 4, 6, 81);
    const double veins = std::abs(std::sin((u * 2 + v * 2 + t * 4) * kPi));
    return Mix({70, 70, 78}, {236, 234, 228}, std::pow(veins, 0.35));
}

Rgb Canvas(double u, double v, int size) {
    const int x = static_cast<int>(u * size), y = static_cast<int>(v * size);
    const double weave = ((x / 2 + y / 2) % 2) ? 0.9 : 1.05;
    return Scale(Mix({200, 190, 165}, {225, 215, 190}, Fbm(u, v, 16, 3, 91)), weave);
}

Rgb Paper(double u, double v, int) {
    const double fibres = Fbm(u, v, 32, 4, 101);
    return Mix({222, 216, 200}, {250, 247, 238}, fibres);
}

Rgb Concrete(double u, double v, int) {
    const double n = Fbm(u, v, 8, 6, 111);
    Rgb c = Mix({110, 110, 108}, {170, 168, 162}, n);
    if (Random(static_cast<int>(u * 256), static_cast<int>(v * 256), 113) > 0.97)
        c = Scale(c, 0.6);  // pores
    return c;
}

Rgb Leather(double u, double v, int) {
    double d1, d2;
    int id;
    Cells(u, v, 16, 121, d1, d2, id);
    const double crease = std::clamp((d2 - d1) * 6, 0.0, 1.0);
    return Scale(Mix({90, 50, 25}, {150, 92, 52}, Fbm(u, v, 8, 3, 123)), 0.7 + 0.3 * crease);
}

uint8_t Byte(double c) {
    return static_cast<uint8_t>(std::clamp(std::lround(c), 0L, 255L));
}

bool Write(const QString& path, int size, const Shader& shader) {
    QImage image(size, size, QImage::Format_BGR888);
    for (int y = 0; y < size; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size; ++x) {
            const Rgb c = shader((x + 0.5) / size, (y + 0.5) / size, size);
            line[3 * x + 0] = Byte(c.b);
            line[3 * x + 1] = Byte(c.g);
            line[3 * x + 2] = Byte(c.r);
        }
    }
    if (image.save(path, "BMP")) return true;
    std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(path));
    return false;
}

struct Texture {
    const char* name;
    Shader shader;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : tessella_make_textures DOSSIER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString clips = out.filePath(QStringLiteral("Clips_Textures"));
    const QString backgrounds = out.filePath(QStringLiteral("TextureFond"));
    if (!QDir().mkpath(clips) || !QDir().mkpath(backgrounds)) {
        std::fprintf(stderr, "impossible de créer les dossiers dans %s\n", argv[1]);
        return 1;
    }
    const Texture catalogue[] = {{"Briques", Bricks}, {"Pierre", Stone}, {"Bois", Wood},
                                 {"Herbe", Grass},    {"Metal", Metal},  {"Dalles", Tiles}};
    const Texture fonds[] = {{"Sable", Sand},   {"Marbre", Marble},  {"Toile", Canvas},
                             {"Papier", Paper}, {"Beton", Concrete}, {"Cuir", Leather}};
    bool ok = true;
    for (const Texture& t : catalogue)
        for (int size : {64, 128})
            ok &= Write(QDir(clips).filePath(
                            QStringLiteral("%1%2.bmp").arg(QString::fromLatin1(t.name)).arg(size)),
                        size, t.shader);
    for (const Texture& t : fonds)
        ok &=
            Write(QDir(backgrounds).filePath(QString::fromLatin1(t.name) + ".bmp"), 128, t.shader);
    return ok ? 0 : 1;
}
