#include "Art.h"

namespace Resgen {

namespace {

using namespace Vga;

constexpr Rgb kTableGreen{0, 128, 0};

// Fills a shape with a line colour and its inset copy with the fill colour, so
// an outline also works on a smooth canvas.
void FillLined(Canvas& c, const Shape& outer, const Shape& inner, Rgb fill, Rgb line) {
    c.Fill(outer, line);
    c.Fill(inner, fill);
}

// The game icon: a card back behind the ace of coins, s pixels to the unit of a 16-unit square.
void DrawIconAt(Canvas& c, double ox, double oy, double s, double line) {
    auto box = [&](double x0, double y0, double x1, double y1, double inset) {
        return Box(ox + x0 * s + inset, oy + y0 * s + inset, ox + x1 * s - inset,
                   oy + y1 * s - inset);
    };
    FillLined(c, box(0.5, 0, 10.5, 13, 0), box(0.5, 0, 10.5, 13, line), Silver, Black);
    double step = s <= 1 ? 3 : 2.5 * s;
    Shape field = box(0.5, 0, 10.5, 13, line);
    std::vector<Shape> lattice;
    for (double d = -13 * s; d < 24 * s; d += step) {
        double x0 = ox + 0.5 * s + d, y0 = oy;
        lattice.push_back(
            Capsule({x0, y0}, {x0 + 13 * s, y0 + 13 * s}, s <= 1 ? 0.45 : 0.5 * s * 0.5 + 0.2));
        lattice.push_back(
            Capsule({x0, y0}, {x0 - 13 * s, y0 + 13 * s}, s <= 1 ? 0.45 : 0.5 * s * 0.5 + 0.2));
    }
    c.Fill(Intersect(field, Union(lattice)), Grey);
    FillLined(c, box(5, 3, 16, 16, 0), box(5, 3, 16, 16, line), White, Black);
    double cx = ox + 10.5 * s, cy = oy + 9.5 * s, r = 3.9 * s;
    FillLined(c, Circle(cx, cy, r), Circle(cx, cy, r - line), Yellow, Olive);
    if (s > 1)
        c.Fill(Minus(Circle(cx, cy, r * 0.62), Circle(cx, cy, r * 0.62 - line)), Olive);
    c.Fill(Circle(cx, cy, s <= 1 ? 1.05 : r * 0.3), Red);
}

// Stroke paths of the banner's letters, in units of the x-height, y up from the baseline as
// negative.
struct Glyph {
    std::vector<std::vector<P>> strokes;
    double advance;
};

Glyph Letter(char ch) {
    switch (ch) {
    case 'C':
        return {{Arc(0.62, -0.72, 0.6, 0.72, 45, 315, 40)}, 1.2};
    case 'a':
        return {{Arc(0.42, -0.5, 0.4, 0.5, 0, 360, 40), {{0.84, -1}, {0.84, 0}}}, 1.15};
    case 'r':
        return {{{{0.12, -1}, {0.12, 0}}, Arc(0.52, -0.58, 0.4, 0.42, 180, 290, 20)}, 0.85};
    case 'v':
        return {{{{0, -1}, {0.43, 0}, {0.86, -1}}}, 1.05};
    case 'e':
        return {{{{0.04, -0.5}, {0.84, -0.5}}, Arc(0.44, -0.5, 0.4, 0.5, 0, -315, 40)}, 1.1};
    default:
        return {{{{0.12, -1.45}, {0.12, 0}}}, 0.6};
    }
}

double TextWidth(const std::string& text) {
    double w = 0;
    for (char ch : text)
        w += Letter(ch).advance;
    return w;
}

Shape TextShape(const std::string& text, double x, double baseline, double size, double weight) {
    std::vector<Shape> parts;
    for (char ch : text) {
        Glyph g = Letter(ch);
        for (const auto& stroke : g.strokes) {
            std::vector<P> pts;
            for (const P& p : stroke)
                pts.push_back({x + (p.x - p.y * 0.14) * size, baseline + p.y * size});
            parts.push_back(Stroke(pts, weight));
        }
        x += g.advance * size;
    }
    return Union(parts);
}

void DrawFlag(Canvas& c, int x, int y, int w, int h) {
    c.Fill(Box(x - 1, y - 1, x + w + 1, y + h + 1), Rgb{0, 64, 0});
    int third = w / 3;
    c.Fill(Box(x, y, x + third, y + h), Rgb{0, 146, 70});
    c.Fill(Box(x + third, y, x + w - third, y + h), Rgb{244, 245, 240});
    c.Fill(Box(x + w - third, y, x + w, y + h), Rgb{206, 43, 55});
}

} // namespace

Canvas DrawIcon(int size) {
    Canvas c(size, size, Fuchsia, false);
    DrawIconAt(c, 0, 0, size / 16.0, size <= 32 ? 1 : 2);
    return c;
}

Canvas DrawBanner(int width) {
    const int height = 50;
    Canvas c(width, height, kTableGreen, true);
    const double iconSize = 40;
    DrawIconAt(c, 5, 5, iconSize / 16, 1.5);
    const std::string name = "Carvella";
    double left = 5 + iconSize + 6, right = width - 8;
    double size = (right - left) / TextWidth(name);
    if (size > 21)
        size = 21;
    double baseline = 36;
    double weight = size * 0.12;
    c.Fill(TextShape(name, left + 1.5, baseline + 1.5, size, weight), Rgb{0, 56, 0});
    c.Fill(TextShape(name, left, baseline, size, weight + 0.8), Rgb{120, 90, 0});
    c.Fill(TextShape(name, left, baseline, size, weight), Rgb{255, 226, 0});
    DrawFlag(c, width - 18, height - 12, 15, 9);
    return c;
}

Canvas DrawDealerMarker() {
    Canvas c(33, 33, Green, false);
    const double pivotX = 16.5, pivotY = 29;
    const double angles[3] = {-28, 0, 28};
    const Rgb marks[3] = {Red, Yellow, Blue};
    for (int i = 0; i < 3; ++i) {
        Shape card = Rotate(Box(10, 3, 23, 23), pivotX, pivotY, angles[i]);
        c.FillOutlined(card, White, Black);
        Shape mark = Rotate(Circle(16.5, 8.5, 2.6), pivotX, pivotY, angles[i]);
        c.FillOutlined(mark, marks[i], i == 1 ? Olive : Black);
    }
    Shape palm = Union({Ellipse(16.5, 24, 7.5, 5.5), Box(12, 24, 21, 33)});
    c.FillOutlined(palm, Silver, Black);
    Shape thumb = Capsule({9.5, 24}, {15.5, 19.5}, 2.4);
    c.FillOutlined(thumb, Silver, Black);
    for (int i = 0; i < 3; ++i)
        c.Fill(Box(17 + i * 2.2, 21.5, 17.8 + i * 2.2, 26), Grey);
    return c;
}

std::vector<int16_t> MakeChime(int rate) {
    const int n = rate / 10;
    const double base = 1318.51;
    const double partials[3][2] = {{1, 1.0}, {2, 0.3}, {3, 0.1}};
    const int attack = rate * 4 / 1000;
    std::vector<int16_t> out(n);
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / rate;
        double v = 0;
        for (const auto& p : partials)
            v += p[1] * Sin(2 * kPi * base * p[0] * t);
        double rise = i < attack ? 0.5 - 0.5 * Cos(kPi * i / attack) : 1;
        double rest = 1 - static_cast<double>(i) / (n - 1);
        double env = rise * rest * rest * rest;
        double s = v / 1.4 * env * 0.5 * 32767;
        out[i] = static_cast<int16_t>(s < 0 ? s - 0.5 : s + 0.5);
    }
    return out;
}

} // namespace Resgen
