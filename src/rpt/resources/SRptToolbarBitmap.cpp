#include "rpt/resources/SRptToolbarBitmap.h"

namespace {
// The 16 standard colours, as blue, green, red, 0.
constexpr uint8_t kPalette[16][3] = {
    {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128}, {128, 0, 0},     {128, 0, 128},
    {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255},   {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};
constexpr uint8_t kMask = 7;
constexpr uint8_t kFrame = 8;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The colour index of a pixel of image `image`: a framed page with a band of the image's own
// colour, on the mask colour.
uint8_t Pixel(int32_t image, int32_t x, int32_t y) {
    if (x < 3 || x > 12 || y < 1 || y > 13) return kMask;
    if (x == 3 || x == 12 || y == 1 || y == 13) return kFrame;
    if (y >= 4 + image % 3 * 3 && y <= 5 + image % 3 * 3) return static_cast<uint8_t>(1 + image % 6);
    return 15;
}
}  // namespace

std::vector<uint8_t> SRptToolbarBitmap::Build(int32_t images) {
    const int32_t width = images * kImageWidth;
    const uint32_t rowBytes = static_cast<uint32_t>((width + 7) / 8 * 4);
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, kHeight);
    Put16(out, 1);   // planes
    Put16(out, 4);   // bits per pixel
    Put32(out, 0);   // no compression
    Put32(out, rowBytes * kHeight);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);  // colours used
    Put32(out, 0);
    for (const auto& colour : kPalette) {
        out.insert(out.end(), colour, colour + 3);
        out.push_back(0);
    }
    for (int32_t y = kHeight - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t index = Pixel(x / kImageWidth, x % kImageWidth, y);
            row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(x % 2 ? index : index << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
