#include "Art.h"

namespace Resgen {

namespace {

using namespace Vga;

struct Colours {
    Rgb main, dark;
};

// The colour a suit is known by, also worn by its figures.
Colours SuitColours(int suit) {
    switch (suit) {
    case Coins:
        return {Yellow, Olive};
    case Cups:
        return {Red, Maroon};
    case Swords:
        return {Blue, Navy};
    default:
        return {Lime, Green};
    }
}

void DrawCoin(Canvas& c, double cx, double cy, double r) {
    c.FillOutlined(Circle(cx, cy, r), Yellow, Olive);
    if (r >= 6) {
        Mask inner = c.Cover(Circle(cx, cy, r * 0.58));
        c.Paint(Edge(inner), Olive);
    }
    c.Fill(Circle(cx, cy, r >= 6 ? r * 0.26 + 0.3 : 1.1), Red);
    if (r >= 14) {
        for (int i = 0; i < 8; ++i) {
            double a = (i * 45 + 22.5) * kPi / 180;
            c.Fill(Circle(cx + r * 0.79 * Cos(a), cy + r * 0.79 * Sin(a), r * 0.07), Maroon);
        }
        c.Paint(Edge(c.Cover(Circle(cx, cy, r * 0.36))), Maroon);
    }
}

// A chalice h pixels tall standing on (cx, cy + h / 2).
void DrawCup(Canvas& c, double cx, double cy, double h) {
    double top = cy - h / 2, w = h * 0.36;
    double bowlDepth = h * 0.46;
    Shape bowl =
        Intersect(Ellipse(cx, top, w, bowlDepth), Box(cx - w - 1, top, cx + w + 1, top + h));
    Shape stem = Box(cx - h * 0.06, top + bowlDepth - 1, cx + h * 0.06, top + h * 0.9);
    Shape knob = Ellipse(cx, top + h * 0.66, h * 0.13, h * 0.07);
    Shape foot = Intersect(Ellipse(cx, top + h, h * 0.27, h * 0.16), Box(0, 0, 999, top + h));
    c.FillOutlined(Union({stem, knob, foot}), Yellow, Olive);
    c.FillOutlined(bowl, Red, Maroon);
    c.FillOutlined(Ellipse(cx, top + 1.5, w, h * 0.06 + 1), Yellow, Olive);
}

// An upright sword h pixels tall, point up.
void DrawSword(Canvas& c, double cx, double cy, double h) {
    double top = cy - h / 2, guardY = top + h * 0.7, bw = h * 0.085 + 0.6;
    Shape blade = Polygon({{cx, top},
                           {cx + bw, top + h * 0.14},
                           {cx + bw * 0.85, guardY},
                           {cx - bw * 0.85, guardY},
                           {cx - bw, top + h * 0.14}});
    c.FillOutlined(blade, Aqua, Navy);
    if (h >= 40)
        c.Fill(Box(cx - 0.5, top + h * 0.12, cx + 0.5, guardY), White);
    double gw = h * 0.2 + 1;
    Shape guard = Union({Capsule({cx - gw, guardY + 1}, {cx + gw, guardY + 1}, h * 0.035 + 0.9),
                         Circle(cx - gw, guardY + 1, h * 0.05 + 0.7),
                         Circle(cx + gw, guardY + 1, h * 0.05 + 0.7)});
    Shape grip = Box(cx - h * 0.045 - 0.5, guardY + 1, cx + h * 0.045 + 0.5, top + h * 0.93);
    Shape pommel = Circle(cx, top + h * 0.95, h * 0.06 + 0.8);
    c.FillOutlined(grip, Red, Maroon);
    c.FillOutlined(Union({guard, pommel}), Yellow, Olive);
}

// A knotted club h pixels tall, knob up, with lopped branches showing light wood.
void DrawBaton(Canvas& c, double cx, double cy, double h) {
    double top = cy - h / 2, bottom = cy + h / 2;
    double knob = h * 0.13 + 1, wt = h * 0.1 + 0.8, wb = h * 0.065 + 0.7;
    Shape shaft = Polygon({{cx - wt, top + knob},
                           {cx + wt, top + knob},
                           {cx + wb, bottom - wb},
                           {cx - wb, bottom - wb}});
    Shape head = Circle(cx, top + knob, knob);
    Shape end = Circle(cx, bottom - wb, wb);
    std::vector<Shape> stubs;
    std::vector<P> cuts;
    for (int i = 0; i < 2; ++i) {
        double y = top + h * (0.38 + 0.24 * i), side = i == 0 ? -1 : 1;
        double half = wt + (wb - wt) * (y - top) / h;
        P from{cx, y + h * 0.04}, to{cx + side * (half + h * 0.08 + 0.6), y - h * 0.05};
        stubs.push_back(Capsule(from, to, h * 0.045 + 0.6));
        cuts.push_back(to);
    }
    c.FillOutlined(Union({shaft, head, end, Union(stubs)}), Olive, Black);
    for (const P& p : cuts)
        c.Fill(Circle(p.x, p.y, h * 0.025 + 0.5), Yellow);
    if (h >= 24)
        c.Fill(Circle(cx - knob * 0.35, top + knob * 0.7, knob * 0.3), Yellow);
    c.Fill(Box(cx - wb - 1, bottom - h * 0.22, cx + wb + 1, bottom - h * 0.22 + h * 0.04 + 0.6),
           Red);
    if (h >= 40) {
        c.Fill(Capsule({cx - wt * 0.45, top + knob * 1.6}, {cx - wb * 0.45, bottom - h * 0.28},
                       h * 0.012 + 0.5),
               Yellow);
        Shape leaf =
            Rotate(Ellipse(cx + wt + 6, top + h * 0.5, 6, 2.6), cx + wt + 6, top + h * 0.5, -35);
        c.FillOutlined(leaf, Lime, Green);
        Shape leaf2 =
            Rotate(Ellipse(cx - wt - 6, top + h * 0.3, 6, 2.6), cx - wt - 6, top + h * 0.3, 35);
        c.FillOutlined(leaf2, Lime, Green);
    }
}

// A suit symbol about h pixels tall centred on (cx, cy).
void DrawPip(Canvas& c, int suit, double cx, double cy, double h) {
    switch (suit) {
    case Coins:
        DrawCoin(c, cx, cy, h * 0.42);
        break;
    case Cups:
        DrawCup(c, cx, cy, h);
        break;
    case Swords:
        DrawSword(c, cx, cy, h);
        break;
    default:
        DrawBaton(c, cx, cy, h);
        break;
    }
}

const char* const kDigits[10] = {
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001010010010", "111101111101111", "111101111001111"};

void DrawNumber(Canvas& c, int n, int x, int y, Rgb colour) {
    std::string text = n == 10 ? "10" : std::string(1, static_cast<char>('0' + n));
    for (size_t k = 0; k < text.size(); ++k) {
        const char* glyph = kDigits[text[k] - '0'];
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 3; ++i)
                if (glyph[j * 3 + i] == '1')
                    c.Set(x + static_cast<int>(k) * 4 + i, y + j, colour);
    }
}

Canvas BlankCard(Rgb fill) {
    Canvas c(kCardWidth, kCardHeight, fill, false);
    for (int x = 0; x < kCardWidth; ++x) {
        c.Set(x, 0, Black);
        c.Set(x, kCardHeight - 1, Black);
    }
    for (int y = 0; y < kCardHeight; ++y) {
        c.Set(0, y, Black);
        c.Set(kCardWidth - 1, y, Black);
    }
    // Round the corners into the table's green.
    const int w = kCardWidth - 1, h = kCardHeight - 1;
    for (int k = 0; k < 2; ++k) {
        int xs[2] = {0, w}, ys[2] = {0, h};
        for (int s = 0; s < 2; ++s) {
            int x = xs[k], y = ys[s], dx = k == 0 ? 1 : -1, dy = s == 0 ? 1 : -1;
            c.Set(x, y, Green);
            c.Set(x + dx, y, Green);
            c.Set(x, y + dy, Green);
            c.Set(x + dx, y + dy, Black);
        }
    }
    return c;
}

struct Spot {
    double x, y;
};

std::vector<Spot> PipSpots(int rank) {
    const double l = 17, m = 31.5, r = 46;
    switch (rank) {
    case 2:
        return {{m, 27}, {m, 74}};
    case 3:
        return {{m, 21}, {m, 50.5}, {m, 80}};
    case 4:
        return {{l, 27}, {r, 27}, {l, 74}, {r, 74}};
    case 5:
        return {{l, 23}, {r, 23}, {m, 50.5}, {l, 78}, {r, 78}};
    case 6:
        return {{l, 21}, {r, 21}, {l, 50.5}, {r, 50.5}, {l, 80}, {r, 80}};
    default:
        return {{l, 21}, {r, 21}, {m, 36}, {l, 50.5}, {r, 50.5}, {l, 80}, {r, 80}};
    }
}

double PipHeight(int suit, int rank) {
    static const double coins[8] = {0, 0, 26, 24, 24, 22, 21, 18};
    static const double cups[8] = {0, 0, 30, 26, 28, 26, 24, 20};
    static const double blades[8] = {0, 0, 36, 27, 34, 29, 27, 23};
    return suit == Coins ? coins[rank] : suit == Cups ? cups[rank] : blades[rank];
}

void DrawAce(Canvas& c, int suit) {
    switch (suit) {
    case Coins:
        DrawCoin(c, 31.5, 50.5, 22);
        break;
    case Cups:
        DrawCup(c, 31.5, 52, 66);
        break;
    case Swords:
        DrawSword(c, 31.5, 50.5, 84);
        break;
    default:
        DrawBaton(c, 31.5, 50.5, 80);
        break;
    }
}

void DrawFace(Canvas& c, double cx, double cy, double r, Rgb hair) {
    c.FillOutlined(Ellipse(cx, cy - 1, r + 1.5, r + 0.5), hair, Black);
    c.FillOutlined(Intersect(Circle(cx, cy, r), Box(0, cy - r * 0.55, 99, 99)), White, Black);
    c.Set(static_cast<int>(cx - r * 0.4), static_cast<int>(cy - r * 0.1), Black);
    c.Set(static_cast<int>(cx + r * 0.4), static_cast<int>(cy - r * 0.1), Black);
    c.Set(static_cast<int>(cx), static_cast<int>(cy + r * 0.45), Red);
}

// The page: a slim standing youth in a feathered cap, legs showing.
void DrawFante(Canvas& c, int suit) {
    Colours k = SuitColours(suit);
    c.FillOutlined(Union({Box(24, 62, 30, 87), Box(33, 62, 39, 87)}), Silver, Black);
    c.FillOutlined(Union({Ellipse(26, 89, 5, 3), Ellipse(37, 89, 5, 3)}), Black, Black);
    Shape tunic = Polygon({{23, 31}, {40, 31}, {44, 64}, {19, 64}});
    c.FillOutlined(tunic, k.main, k.dark);
    c.Fill(Box(20, 49, 43, 52), Black);
    c.FillOutlined(Capsule({22, 33}, {16, 56}, 3), k.main, k.dark);
    c.FillOutlined(Capsule({41, 33}, {46, 44}, 3), k.main, k.dark);
    c.FillOutlined(Box(29, 27, 34, 32), White, Black);
    DrawFace(c, 31.5, 22, 6.5, Olive);
    c.FillOutlined(Ellipse(31.5, 15, 9, 4), Red, Maroon);
    c.Fill(Stroke({{37, 14}, {43, 9}, {47, 8}}, 1.2), White);
    c.Fill(Stroke({{37, 14}, {43, 9}, {47, 8}}, 0.5), Black);
    DrawPip(c, suit, 47, 40, 18);
}

// The knight: a rider on a horse, the horse filling the card.
void DrawCavallo(Canvas& c, int suit) {
    Colours k = SuitColours(suit);
    Shape legs = Union({Capsule({16, 65}, {13, 88}, 2.2), Capsule({23, 68}, {22, 89}, 2.2),
                        Capsule({38, 68}, {40, 89}, 2.2), Capsule({44, 64}, {48, 87}, 2.2)});
    Shape horse = Polygon({{14, 56},
                           {24, 54},
                           {37, 53},
                           {43, 40},
                           {46, 34},
                           {47, 28},
                           {50, 33},
                           {53, 36},
                           {58, 46},
                           {58, 50},
                           {54, 51},
                           {50, 47},
                           {47, 48},
                           {47, 57},
                           {49, 62},
                           {43, 71},
                           {18, 71},
                           {12, 64}});
    Shape tail = Stroke({{14, 58}, {9, 64}, {7, 76}}, 2.2);
    c.FillOutlined(Union({legs, horse, tail}), Silver, Black);
    c.Fill(
        Union({Box(11, 87, 16, 90), Box(20, 88, 25, 91), Box(38, 88, 43, 91), Box(46, 86, 51, 89)}),
        Black);
    c.Fill(Stroke({{45, 33}, {42, 41}, {38, 50}}, 1.3), Grey);
    c.Set(52, 38, Black);
    c.Set(56, 47, Black);
    c.Fill(Stroke({{52, 50}, {44, 45}, {40, 52}}, 0.5), Maroon);
    c.FillOutlined(Box(20, 54, 37, 69), k.main, k.dark);
    c.FillOutlined(Capsule({29, 55}, {28, 73}, 2.6), k.dark, Black);
    c.FillOutlined(Polygon({{24, 35}, {34, 35}, {36, 56}, {22, 56}}), k.main, k.dark);
    c.FillOutlined(Capsule({33, 38}, {41, 27}, 2.6), k.main, k.dark);
    DrawFace(c, 29, 29, 5.5, Maroon);
    c.FillOutlined(Polygon({{21, 25}, {37, 25}, {33, 20}, {25, 20}}), Black, Black);
    DrawPip(c, suit, 43, 16, 17);
}

// The king: crowned and bearded in a wide robe.
void DrawRe(Canvas& c, int suit) {
    Colours k = SuitColours(suit);
    Shape robe = Polygon({{19, 37}, {44, 37}, {55, 93}, {8, 93}});
    c.FillOutlined(robe, k.main, k.dark);
    c.Fill(Box(29, 40, 34, 93), suit == Coins ? Red : Yellow);
    c.FillOutlined(Ellipse(31.5, 38, 15, 5), White, Black);
    for (int i = 0; i < 5; ++i)
        c.Set(21 + i * 5, 38 + (i % 2), Black);
    c.FillOutlined(Capsule({44, 43}, {46, 58}, 3), k.main, k.dark);
    DrawFace(c, 31.5, 26, 7.5, Silver);
    c.FillOutlined(Polygon({{25, 30}, {38, 30}, {35, 38}, {31.5, 41}, {28, 38}}), Silver, Grey);
    Shape crown =
        Polygon({{22, 20}, {22, 8}, {26.5, 14}, {31.5, 5}, {36.5, 14}, {41, 8}, {41, 20}});
    c.FillOutlined(crown, Yellow, Olive);
    c.Fill(Circle(31.5, 16, 1.6), Red);
    c.Fill(Box(22, 18, 41, 19), Olive);
    DrawPip(c, suit, 47, 60, 18);
}

} // namespace

Canvas DrawCardBack() {
    Canvas c = BlankCard(White);
    for (int y = 3; y < kCardHeight - 3; ++y)
        for (int x = 3; x < kCardWidth - 3; ++x) {
            bool edge = x == 3 || y == 3 || x == kCardWidth - 4 || y == kCardHeight - 4;
            int a = (x + y) % 8, b = (x - y + 800) % 8;
            Rgb v = Silver;
            if (a == 0 || b == 0)
                v = Grey;
            if (a == 0 && b == 0)
                v = White;
            c.Set(x, y, edge ? Grey : v);
        }
    return c;
}

Canvas DrawCardFace(int code) {
    int suit = (code - 1) / 10 + 1, rank = (code - 1) % 10 + 1;
    Canvas c = BlankCard(White);
    if (rank == 1)
        DrawAce(c, suit);
    else if (rank <= 7)
        for (const Spot& s : PipSpots(rank))
            DrawPip(c, suit, s.x, s.y, PipHeight(suit, rank));
    else if (rank == 8)
        DrawFante(c, suit);
    else if (rank == 9)
        DrawCavallo(c, suit);
    else
        DrawRe(c, suit);
    DrawNumber(c, rank, 3, 3, Black);
    DrawNumber(c, rank, kCardWidth - 3 - (rank == 10 ? 7 : 3), kCardHeight - 8, Black);
    return c;
}

} // namespace Resgen
