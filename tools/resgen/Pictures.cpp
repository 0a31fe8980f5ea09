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
// Pixel icons get one-pixel outlines and a lattice on the pixel grid; the banner's copy is smooth.
void DrawIconAt(Canvas& c, double ox, double oy, double s, bool pixel) {
    auto box = [&](double x0, double y0, double x1, double y1, double inset) {
        return Box(ox + x0 * s + inset, oy + y0 * s + inset, ox + x1 * s - inset,
                   oy + y1 * s - inset);
    };
    auto outlined = [&](const Shape& outer, const Shape& inner, Rgb fill, Rgb line) {
        if (pixel)
            c.FillOutlined(outer, fill, line);
        else
            FillLined(c, outer, inner, fill, line);
    };
    const double line = 1.5;
    outlined(box(0.5, 0, 10.5, 13, 0), box(0.5, 0, 10.5, 13, line), Silver, Black);
    if (pixel) {
        int k = s < 2 ? 5 : s < 3 ? 6 : 8;
        for (int y = 1; y < 13 * s - 1; ++y)
            for (int x = static_cast<int>(0.5 * s) + 1; x < 10.5 * s - 1; ++x) {
                int a = (x + y) % k, b = (x - y + 100 * k) % k;
                if (a == 0 || b == 0)
                    c.Set(x, y, a == 0 && b == 0 && k > 4 ? White : Grey);
            }
    } else {
        double step = 2.5 * s, ax = ox, ay = oy;
        Shape lattice = [=](double x, double y) {
            double u = (x - ax + y - ay) / step, v = (x - ax - y + ay) / step + 100;
            u -= static_cast<int>(u);
            v -= static_cast<int>(v);
            return u < 0.09 || u > 0.91 || v < 0.09 || v > 0.91;
        };
        c.Fill(Intersect(box(0.5, 0, 10.5, 13, line), lattice), Grey);
    }
    outlined(box(5, 3, 16, 16, 0), box(5, 3, 16, 16, line), White, Black);
    double cx = ox + 10.5 * s, cy = oy + 9.5 * s, r = s < 2 ? 3.4 : 3.9 * s;
    outlined(Circle(cx, cy, r), Circle(cx, cy, r - line), Yellow, Olive);
    if (s >= 2.5) {
        Shape ring = Minus(Circle(cx, cy, r * 0.6), Circle(cx, cy, r * 0.6 - (pixel ? 1 : 1.2)));
        c.Fill(ring, Olive);
        for (int i = 0; i < 8; ++i) {
            double a = (i * 45 + 22.5) * kPi / 180;
            c.Fill(Circle(cx + r * 0.78 * Cos(a), cy + r * 0.78 * Sin(a), pixel ? 0.75 : 0.9),
                   Maroon);
        }
    }
    c.Fill(s < 2 ? Box(cx - 1, cy - 1, cx + 1, cy + 1) : Circle(cx, cy, r * 0.28), Red);
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
    DrawIconAt(c, 0, 0, size / 16.0, true);
    return c;
}

Canvas DrawBanner(int width) {
    const int height = 50;
    Canvas c(width, height, kTableGreen, true);
    const double iconSize = 40;
    DrawIconAt(c, 5, 5, iconSize / 16, false);
    const std::string name = "Carvella";
    double left = 5 + iconSize + 6, right = width - 10;
    double size = (right - left) / TextWidth(name);
    if (size > 19)
        size = 19;
    double baseline = 35;
    double weight = size * 0.12;
    c.Fill(TextShape(name, left + 1.5, baseline + 1.5, size, weight), Rgb{0, 56, 0});
    c.Fill(TextShape(name, left, baseline, size, weight + 0.8), Rgb{120, 90, 0});
    c.Fill(TextShape(name, left, baseline, size, weight), Rgb{255, 226, 0});
    DrawFlag(c, width - 19, height - 11, 15, 9);
    return c;
}

Canvas DrawDealerMarker() {
    Canvas c(33, 33, Green, false);
    const double px = 16.5, py = 25;
    auto turn = [&](Shape s, double deg) { return Rotate(s, px, py, deg); };
    // A fan of three cards showing a cup, a coin and a sword.
    const Shape card = Box(10.5, 1, 22.5, 21);
    c.FillOutlined(turn(card, -34), White, Black);
    c.FillOutlined(turn(Union({Intersect(Ellipse(16.5, 4.5, 3.4, 4), Box(10, 4.5, 23, 12)),
                               Box(15.8, 7, 17.2, 11), Box(14, 10.5, 19, 12)}),
                        -34),
                   Red, Maroon);
    c.FillOutlined(turn(card, 34), White, Black);
    c.FillOutlined(turn(Union({Capsule({16.5, 3}, {16.5, 10}, 0.9), Box(13.5, 9.5, 19.5, 11)}), 34),
                   Aqua, Navy);
    c.FillOutlined(card, White, Black);
    c.FillOutlined(Circle(16.5, 7, 4.2), Yellow, Olive);
    c.Fill(Circle(16.5, 7, 1.2), Red);
    // The hand: knuckles round the right of the fan, the thumb across its foot, a red cuff.
    Shape palm = Union({Ellipse(17.5, 25, 7, 5.5), Circle(23, 19.5, 2.4), Circle(24, 23.2, 2.4),
                        Circle(23.5, 26.9, 2.3)});
    c.FillOutlined(palm, Silver, Black);
    c.Fill(Union({Box(19, 21.3, 22.5, 21.9), Box(19.5, 25, 23, 25.6)}), Grey);
    c.FillOutlined(Capsule({11, 27}, {15.5, 18.5}, 2.3), Silver, Black);
    c.Set(15, 18, White);
    c.FillOutlined(Box(11.5, 29.5, 23.5, 33), Red, Maroon);
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
