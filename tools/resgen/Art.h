// The pictures and the sound of the program, each drawn from code.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

namespace Resgen {

constexpr int kCardWidth = 63;
constexpr int kCardHeight = 101;

enum Suit { Coins = 1, Cups, Swords, Batons };

Canvas DrawCardBack();
// code = 10 * (suit - 1) + rank, rank 1..10 (8 fante, 9 cavallo, 10 re).
Canvas DrawCardFace(int code);
// The game icon at 16, 32 or 48 pixels; Vga::Fuchsia marks the transparent pixels.
Canvas DrawIcon(int size);
Canvas DrawBanner(int width);
Canvas DrawDealerMarker();
std::vector<int16_t> MakeChime(int rate);

} // namespace Resgen
