// A small raster: shapes are sampled 4 x 4 per pixel with plain arithmetic only,
// so the same program writes the same bytes on every run and machine.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Resgen {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The standard 16-colour palette, in its usual index order.
namespace Vga {
constexpr Rgb Black{0, 0, 0}, Maroon{128, 0, 0}, Green{0, 128, 0}, Olive{128, 128, 0},
    Navy{0, 0, 128}, Purple{128, 0, 128}, Teal{0, 128, 128}, Silver{192, 192, 192},
    Grey{128, 128, 128}, Red{255, 0, 0}, Lime{0, 255, 0}, Yellow{255, 255, 0}, Blue{0, 0, 255},
    Fuchsia{255, 0, 255}, Aqua{0, 255, 255}, White{255, 255, 255};
}
extern const Rgb kPalette[16];

constexpr double kPi = 3.14159265358979323846;
double Sin(double a);
double Cos(double a);

struct P {
    double x, y;
};

// A shape answers whether a point (in pixel units, y down) lies inside it.
using Shape = std::function<bool(double, double)>;

Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Circle(double cx, double cy, double r);
Shape Box(double x0, double y0, double x1, double y1);
Shape Polygon(std::vector<P> points);
Shape Capsule(P a, P b, double r);
// A stroke of round-ended width 2r along a polyline.
Shape Stroke(std::vector<P> points, double r);
// Points along an elliptic arc, angles in degrees, y down, 0 = right, 90 = down.
std::vector<P> Arc(double cx, double cy, double rx, double ry, double from, double to, int steps);
Shape Union(std::vector<Shape> parts);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
// The shape turned by deg degrees around (cx, cy).
Shape Rotate(Shape s, double cx, double cy, double deg);
Shape Move(Shape s, double dx, double dy);
// The shape mirrored left to right around x = cx.
Shape Mirror(Shape s, double cx);

// Coverage of a shape per pixel, 0..16 samples.
struct Mask {
    int w = 0, h = 0;
    std::vector<uint8_t> cover;
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < w && y < h && cover[y * w + x] >= 8;
    }
};

class Canvas {
public:
    Canvas(int w, int h, Rgb fill, bool smooth);
    int Width() const { return w_; }
    int Height() const { return h_; }
    Rgb At(int x, int y) const { return px_[y * w_ + x]; }
    void Set(int x, int y, Rgb c);
    Mask Cover(const Shape& s) const;
    // Paints a shape: blended by coverage when smooth, by majority of samples otherwise.
    void Fill(const Shape& s, Rgb c);
    void Paint(const Mask& m, Rgb c);
    // Fills a shape and rings its inner edge with a one-pixel outline.
    void FillOutlined(const Shape& s, Rgb fill, Rgb line);
    void Blit(const Canvas& src, int x, int y, const Rgb* transparent);

private:
    int w_, h_;
    bool smooth_;
    std::vector<Rgb> px_;
};

// Pixels of a mask that touch a pixel outside it (4-neighbourhood).
Mask Edge(const Mask& m);

void WriteBmp4(const Canvas& c, const std::string& path);
void WriteBmp24(const Canvas& c, const std::string& path);
// An icon file with one 16-colour image per canvas; pixels equal to transparent are masked out.
void WriteIco4(const std::vector<const Canvas*>& images, Rgb transparent, const std::string& path);
void WriteWave(const std::vector<int16_t>& samples, int rate, const std::string& path);

} // namespace Resgen
