#include "Raster.h"

#include <cstdio>
#include <cstdlib>

namespace Resgen {

const Rgb kPalette[16] = {Vga::Black, Vga::Maroon,  Vga::Green, Vga::Olive, Vga::Navy, Vga::Purple,
                          Vga::Teal,  Vga::Silver,  Vga::Grey,  Vga::Red,   Vga::Lime, Vga::Yellow,
                          Vga::Blue,  Vga::Fuchsia, Vga::Aqua,  Vga::White};

// Own series instead of the C library, whose last bits may differ between systems.
double Sin(double a) {
    const double twoPi = 2 * kPi;
    while (a > kPi)
        a -= twoPi;
    while (a < -kPi)
        a += twoPi;
    double term = a, sum = a;
    for (int n = 1; n < 12; ++n) {
        term = -term * a * a / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double Cos(double a) {
    return Sin(a + kPi / 2);
}

namespace {

double SegmentDistance2(double x, double y, P a, P b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    if (t < 0)
        t = 0;
    if (t > 1)
        t = 1;
    double ex = a.x + t * dx - x, ey = a.y + t * dy - y;
    return ex * ex + ey * ey;
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void Save(const std::vector<uint8_t>& bytes, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "resgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(f);
}

int PaletteIndex(Rgb c) {
    for (int i = 0; i < 16; ++i)
        if (kPalette[i] == c)
            return i;
    std::fprintf(stderr, "resgen: colour %d,%d,%d is not in the 16-colour palette\n", c.r, c.g,
                 c.b);
    std::exit(1);
}

void PutInfoHeader(std::vector<uint8_t>& out, int w, int h, int bits, uint32_t imageSize,
                   uint32_t colours) {
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

void PutPalette(std::vector<uint8_t>& out) {
    for (const Rgb& c : kPalette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

std::vector<uint8_t> Pixels4(const Canvas& c) {
    int stride = ((c.Width() + 7) / 8) * 4;
    std::vector<uint8_t> rows(stride * c.Height(), 0);
    for (int y = 0; y < c.Height(); ++y) {
        uint8_t* row = &rows[(c.Height() - 1 - y) * stride];
        for (int x = 0; x < c.Width(); ++x) {
            int i = PaletteIndex(c.At(x, y));
            row[x / 2] |= (x % 2 == 0) ? i << 4 : i;
        }
    }
    return rows;
}

void PutFileHeader(std::vector<uint8_t>& out, uint32_t size, uint32_t offset) {
    out.push_back('B');
    out.push_back('M');
    Put32(out, size);
    Put32(out, 0);
    Put32(out, offset);
}

} // namespace

Shape Ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        double u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1;
    };
}

Shape Circle(double cx, double cy, double r) {
    return Ellipse(cx, cy, r, r);
}

Shape Box(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Shape Polygon(std::vector<P> pts) {
    return [pts](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const P &a = pts[i], &b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    };
}

Shape Capsule(P a, P b, double r) {
    return [=](double x, double y) { return SegmentDistance2(x, y, a, b) <= r * r; };
}

Shape Stroke(std::vector<P> pts, double r) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const P& p : pts) {
        x0 = p.x < x0 ? p.x : x0;
        y0 = p.y < y0 ? p.y : y0;
        x1 = p.x > x1 ? p.x : x1;
        y1 = p.y > y1 ? p.y : y1;
    }
    return [=](double x, double y) {
        if (x < x0 - r || x > x1 + r || y < y0 - r || y > y1 + r)
            return false;
        for (size_t i = 0; i + 1 < pts.size(); ++i)
            if (SegmentDistance2(x, y, pts[i], pts[i + 1]) <= r * r)
                return true;
        return pts.size() == 1 && SegmentDistance2(x, y, pts[0], pts[0]) <= r * r;
    };
}

std::vector<P> Arc(double cx, double cy, double rx, double ry, double from, double to, int steps) {
    std::vector<P> pts;
    for (int i = 0; i <= steps; ++i) {
        double a = (from + (to - from) * i / steps) * kPi / 180;
        pts.push_back({cx + rx * Cos(a), cy + ry * Sin(a)});
    }
    return pts;
}

Shape Union(std::vector<Shape> parts) {
    return [parts](double x, double y) {
        for (const Shape& s : parts)
            if (s(x, y))
                return true;
        return false;
    };
}

Shape Minus(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

Shape Rotate(Shape s, double cx, double cy, double deg) {
    double c = Cos(-deg * kPi / 180), n = Sin(-deg * kPi / 180);
    return [=](double x, double y) {
        double dx = x - cx, dy = y - cy;
        return s(cx + dx * c - dy * n, cy + dx * n + dy * c);
    };
}

Shape Move(Shape s, double dx, double dy) {
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

Shape Mirror(Shape s, double cx) {
    return [=](double x, double y) { return s(2 * cx - x, y); };
}

Canvas::Canvas(int w, int h, Rgb fill, bool smooth)
    : w_(w), h_(h), smooth_(smooth), px_(w * h, fill) {}

void Canvas::Set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_)
        px_[y * w_ + x] = c;
}

Mask Canvas::Cover(const Shape& s) const {
    Mask m;
    m.w = w_;
    m.h = h_;
    m.cover.assign(w_ * h_, 0);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            int n = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i)
                    n += s(x + (i + 0.5) / 4, y + (j + 0.5) / 4) ? 1 : 0;
            m.cover[y * w_ + x] = n;
        }
    return m;
}

void Canvas::Paint(const Mask& m, Rgb c) {
    for (int i = 0; i < w_ * h_; ++i) {
        int n = m.cover[i];
        if (!smooth_) {
            if (n >= 8)
                px_[i] = c;
        } else if (n > 0) {
            Rgb& p = px_[i];
            p.r = (p.r * (16 - n) + c.r * n + 8) / 16;
            p.g = (p.g * (16 - n) + c.g * n + 8) / 16;
            p.b = (p.b * (16 - n) + c.b * n + 8) / 16;
        }
    }
}

void Canvas::Fill(const Shape& s, Rgb c) {
    Paint(Cover(s), c);
}

void Canvas::FillOutlined(const Shape& s, Rgb fill, Rgb line) {
    Mask m = Cover(s);
    for (uint8_t& v : m.cover)
        v = v >= 8 ? 16 : 0;
    Paint(m, fill);
    Paint(Edge(m), line);
}

void Canvas::Blit(const Canvas& src, int x, int y, const Rgb* transparent) {
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i) {
            Rgb c = src.At(i, j);
            if (!transparent || c != *transparent)
                Set(x + i, y + j, c);
        }
}

Mask Edge(const Mask& m) {
    Mask e = m;
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            bool in = m.At(x, y);
            bool border = !m.At(x - 1, y) || !m.At(x + 1, y) || !m.At(x, y - 1) || !m.At(x, y + 1);
            e.cover[y * m.w + x] = in && border ? 16 : 0;
        }
    return e;
}

void WriteBmp4(const Canvas& c, const std::string& path) {
    std::vector<uint8_t> pixels = Pixels4(c);
    uint32_t offset = 14 + 40 + 64;
    std::vector<uint8_t> out;
    PutFileHeader(out, offset + pixels.size(), offset);
    PutInfoHeader(out, c.Width(), c.Height(), 4, pixels.size(), 16);
    PutPalette(out);
    out.insert(out.end(), pixels.begin(), pixels.end());
    Save(out, path);
}

void WriteBmp24(const Canvas& c, const std::string& path) {
    int stride = (c.Width() * 3 + 3) / 4 * 4;
    std::vector<uint8_t> pixels(stride * c.Height(), 0);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            uint8_t* p = &pixels[(c.Height() - 1 - y) * stride + x * 3];
            Rgb v = c.At(x, y);
            p[0] = v.b;
            p[1] = v.g;
            p[2] = v.r;
        }
    uint32_t offset = 14 + 40;
    std::vector<uint8_t> out;
    PutFileHeader(out, offset + pixels.size(), offset);
    PutInfoHeader(out, c.Width(), c.Height(), 24, pixels.size(), 0);
    out.insert(out.end(), pixels.begin(), pixels.end());
    Save(out, path);
}

void WriteIco4(const std::vector<const Canvas*>& images, Rgb transparent, const std::string& path) {
    std::vector<std::vector<uint8_t>> bodies;
    for (const Canvas* img : images) {
        Canvas opaque = *img;
        int maskStride = ((img->Width() + 31) / 32) * 4;
        std::vector<uint8_t> mask(maskStride * img->Height(), 0);
        for (int y = 0; y < img->Height(); ++y)
            for (int x = 0; x < img->Width(); ++x)
                if (img->At(x, y) == transparent) {
                    opaque.Set(x, y, Vga::Black);
                    mask[(img->Height() - 1 - y) * maskStride + x / 8] |= 0x80 >> (x % 8);
                }
        std::vector<uint8_t> pixels = Pixels4(opaque);
        std::vector<uint8_t> body;
        PutInfoHeader(body, img->Width(), img->Height() * 2, 4, pixels.size() + mask.size(), 0);
        PutPalette(body);
        body.insert(body.end(), pixels.begin(), pixels.end());
        body.insert(body.end(), mask.begin(), mask.end());
        bodies.push_back(body);
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, images.size());
    uint32_t offset = 6 + 16 * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(images[i]->Width());
        out.push_back(images[i]->Height());
        out.push_back(16);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, bodies[i].size());
        Put32(out, offset);
        offset += bodies[i].size();
    }
    for (const auto& b : bodies)
        out.insert(out.end(), b.begin(), b.end());
    Save(out, path);
}

void WriteWave(const std::vector<int16_t>& samples, int rate, const std::string& path) {
    uint32_t data = samples.size() * 2;
    std::vector<uint8_t> out;
    for (char ch : std::string("RIFF"))
        out.push_back(ch);
    Put32(out, 36 + data);
    for (char ch : std::string("WAVEfmt "))
        out.push_back(ch);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, rate);
    Put32(out, rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    for (char ch : std::string("data"))
        out.push_back(ch);
    Put32(out, data);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    Save(out, path);
}

} // namespace Resgen
