// Usage: seascape OUTPUT.jpg
// Paints the seascape photograph behind the main and start-up windows: an open sea under a
// blue sky with soft cumulus clouds, the horizon at mid-height. Everything comes from a
// gradient noise of fixed seed, so every run writes the same picture.
#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr double horizon = 300.0;

struct Vec3 {
    double x, y, z;
};

Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator*(Vec3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 normalised(Vec3 a)
{
    return a * (1.0 / std::sqrt(dot(a, a)));
}
Vec3 mix(Vec3 a, Vec3 b, double t)
{
    return a * (1.0 - t) + b * t;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Two-dimensional gradient noise on a lattice of pseudo-random unit gradients, in -1..1.
class GradientNoise {
public:
    explicit GradientNoise(std::uint32_t seed)
    {
        for (int i = 0; i < 256; ++i)
            permutation_[i] = std::uint8_t(i);
        for (int i = 255; i > 0; --i) {
            seed = seed * 1664525u + 1013904223u;
            std::swap(permutation_[i], permutation_[(seed >> 8) % std::uint32_t(i + 1)]);
        }
        for (int i = 0; i < 256; ++i) {
            const double angle = 2.0 * std::numbers::pi * (i + 0.5) / 256.0;
            gradients_[i] = {std::cos(angle), std::sin(angle)};
        }
    }

    double at(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = int(fx), iy = int(fy);
        const double dx = x - fx, dy = y - fy;
        const double u = fade(dx), v = fade(dy);
        const double n00 = corner(ix, iy, dx, dy);
        const double n10 = corner(ix + 1, iy, dx - 1.0, dy);
        const double n01 = corner(ix, iy + 1, dx, dy - 1.0);
        const double n11 = corner(ix + 1, iy + 1, dx - 1.0, dy - 1.0);
        const double a = n00 + u * (n10 - n00);
        const double b = n01 + u * (n11 - n01);
        return 1.4 * (a + v * (b - a));
    }

    // Fractional Brownian motion: octaves of halving amplitude and doubling frequency, each
    // turned a little so that the lattice does not show. An octave finer than `footprint`
    // (the size of a pixel in noise units) fades out, which keeps the distance smooth.
    double fbm(double x, double y, int octaves, double footprint = 0.0) const
    {
        double sum = 0.0, amplitude = 0.5, frequency = 1.0;
        for (int i = 0; i < octaves; ++i) {
            const double detail = 1.0 - smoothstep(0.25, 0.6, footprint * frequency);
            if (detail <= 0.0)
                break;
            sum += amplitude * detail * at(x * frequency + 17.3 * i, y * frequency - 9.1 * i);
            const double turned = 0.8 * x + 0.6 * y;
            y = -0.6 * x + 0.8 * y;
            x = turned;
            amplitude *= 0.5;
            frequency *= 2.03;
        }
        return sum;
    }

private:
    static double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

    double corner(int ix, int iy, double dx, double dy) const
    {
        const int hash = permutation_[(permutation_[ix & 255] + iy) & 255];
        return gradients_[hash][0] * dx + gradients_[hash][1] * dy;
    }

    std::array<std::uint8_t, 256> permutation_{};
    std::array<std::array<double, 2>, 256> gradients_{};
};

const GradientNoise noise(20240611u);

// The clear sky at `elevation` pixels above the horizon: deep blue overhead, pale at the
// horizon where the air thickens.
Vec3 skyColour(double elevation)
{
    const Vec3 zenith{0.16, 0.36, 0.70};
    const Vec3 middle{0.36, 0.58, 0.85};
    const Vec3 haze{0.74, 0.84, 0.92};
    const double t = std::clamp(elevation / horizon, 0.0, 1.0);
    if (t < 0.25)
        return mix(haze, middle, smoothstep(0.0, 0.25, t));
    return mix(middle, zenith, std::pow((t - 0.25) / 0.75, 0.8));
}

// The cloud field on a high plane seen in perspective: it shrinks and flattens towards the
// horizon, gathers in the lower sky and leaves the top calm. Above 0 is cloud.
double cloudBase(double x, double y)
{
    const double elevation = horizon - y;
    const double depth = 140.0 / (elevation + 14.0);
    const double u = (x - 400.0) * depth / 140.0 * 1.1 + 3.7;
    const double v = depth * 1.8;
    const double footprint = std::max(depth / 140.0 * 1.1, v / (elevation + 14.0));
    const double shape = noise.fbm(u, v, 2, footprint) + 0.35 * noise.fbm(u * 0.3, v * 0.3, 2);
    const double coverage = -0.2 + 0.36 * smoothstep(220.0, 60.0, elevation);
    return shape + coverage - 0.25;
}

struct Cloud {
    double density; // 0 for clear sky, 1 inside a cloud
    double height;  // 0 at the flat base of a cloud, 1 at its top
};

// A cumulus rises from its flat base as a dome: a point belongs to the cloud when the base
// some way below it is thick enough for the cloud to reach up to it.
Cloud cloudAt(double x, double y)
{
    const double elevation = horizon - y;
    if (elevation <= 1.0)
        return {0.0, 0.0};
    const double tower = 34.0 * (elevation + 14.0) / 140.0;
    // Small billows, flattened towards the horizon like the clouds that carry them.
    const double puff = 0.25 * noise.fbm(x * 0.045, -5.0 * std::log(elevation + 14.0), 5);
    Cloud best{-1.0, 0.0};
    constexpr int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double below = y + t * tower;
        if (below >= horizon - 1.0)
            break;
        const double reach = cloudBase(x, below) - 0.3 * t * t + puff;
        if (reach > best.density)
            best = {reach, t};
    }
    best.density = smoothstep(0.0, 0.12, best.density) * smoothstep(2.0, 14.0, elevation);
    return best;
}

Vec3 skyPixel(double x, double y)
{
    const double elevation = horizon - y;
    const Vec3 sky = skyColour(elevation);
    const Cloud cloud = cloudAt(x, y);
    if (cloud.density <= 0.0)
        return sky;
    // Sunlight comes from above: the tops are white, the bases and the hollows grey.
    double above = 0.0;
    for (int step = 1; step <= 4; ++step)
        above += cloudAt(x + step * 1.0, y - step * 3.0).density;
    const double light = std::exp(-0.3 * above) * (0.55 + 0.45 * cloud.height);
    const Vec3 lit{1.0, 1.0, 1.0};
    const Vec3 shaded{0.58, 0.63, 0.72};
    Vec3 colour = mix(shaded, lit, std::clamp(light + 0.2, 0.0, 1.0));
    // Far clouds take on the haze of the horizon.
    colour = mix(colour, skyColour(elevation), 0.45 * smoothstep(60.0, 0.0, elevation));
    return mix(sky, colour, cloud.density);
}

// Wave height on the sea plane; the crests run across the view.
double waveHeight(double wx, double wz, double footprint)
{
    return noise.fbm(wx * 0.07, wz * 0.16, 8, footprint * 0.16) +
           0.3 * noise.fbm(wx * 0.012 + 40.0, wz * 0.03, 2);
}

Vec3 seaPixel(double x, double y)
{
    constexpr double eyeHeight = 6.0;
    constexpr double focal = 500.0;
    const double below = y - horizon;
    const double depth = eyeHeight * focal / below;
    const double wx = (x - 400.0) * depth / focal;
    const double wz = depth;
    // How much sea one pixel covers, front to back, the larger of the two directions.
    const double footprint = std::max(depth / focal, depth * depth / (eyeHeight * focal));

    const double step = std::max(0.05, 0.5 * footprint);
    const double h = waveHeight(wx, wz, footprint);
    const double hx = (waveHeight(wx + step, wz, footprint) - h) / step;
    const double hz = (waveHeight(wx, wz + step, footprint) - h) / step;
    const Vec3 normal = normalised({-hx * 0.7, 1.0, -hz * 0.7});
    const Vec3 view = normalised({wx, -eyeHeight, wz});
    const double cosine = std::max(0.0, -dot(view, normal));
    const Vec3 reflected = view + normal * (2.0 * cosine);
    const double fresnel = 0.02 + 0.98 * std::pow(1.0 - cosine, 5.0);

    const double reflectedElevation = std::clamp(reflected.y, 0.0, 1.0) * focal;
    const Vec3 deep{0.02, 0.09, 0.24};
    const Vec3 troughs{0.01, 0.06, 0.17};
    Vec3 water = mix(troughs, deep, smoothstep(-0.4, 0.4, h));
    Vec3 colour = mix(water, skyColour(reflectedElevation) * 0.7, std::min(fresnel, 0.6));
    // The far sea fades into the pale haze along the horizon.
    colour = mix(colour, Vec3{0.30, 0.46, 0.68}, 0.5 * std::exp(-below / 12.0));
    colour = mix(colour, Vec3{0.56, 0.68, 0.82}, 0.6 * std::exp(-below / 2.5));
    return colour;
}

QRgb toRgb(Vec3 c)
{
    auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return qRgb(channel(c.x), channel(c.y), channel(c.z));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    QImage image(width, height, QImage::Format_RGB32);
    // Four samples per pixel smooth the fine waves near the horizon.
    const std::array<std::array<double, 2>, 4> samples{
        {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}}};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            Vec3 sum{0.0, 0.0, 0.0};
            for (const auto &[sx, sy] : samples) {
                const double x = column + sx, y = row + sy;
                sum = sum + (y < horizon ? skyPixel(x, y) : seaPixel(x, y));
            }
            image.setPixel(column, row, toRgb(sum * 0.25));
        }
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
