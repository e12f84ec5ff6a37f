// Writes the program icon (48 x 48 pixels, 32 bits per pixel, one image) as
// an .ico file. Built and run on the build machine; integer geometry only, so
// every build gets the same bytes.
//   make_icon OUTPUT.ico
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 48;
constexpr int kSub = 4;  // samples per pixel in each direction

struct Color {
  uint8_t r, g, b;
};

// Shapes in sample units (kSize * kSub across), tested at sample centres.
bool InRoundedRect(int x, int y, int left, int top, int right, int bottom, int radius) {
  if (x < left || x >= right || y < top || y >= bottom) return false;
  int cx = x < left + radius ? left + radius : (x >= right - radius ? right - radius - 1 : x);
  int cy = y < top + radius ? top + radius : (y >= bottom - radius ? bottom - radius - 1 : y);
  int dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= radius * radius;
}

bool InRect(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

// A right-pointing arrow: a shaft and a triangular head.
bool InArrow(int x, int y) {
  const int s = kSub;
  if (InRect(x, y, 27 * s, 30 * s, 36 * s, 35 * s)) return true;
  int headX = x - 35 * s, centreY = 32 * s + s / 2, half = 7 * s;
  if (headX < 0 || headX >= half) return false;
  int dy = y < centreY ? centreY - y : y - centreY;
  return dy < half - headX;
}

// The colour of one sample, or false for a transparent one.
bool Sample(int x, int y, Color* color) {
  const int s = kSub;
  if (InArrow(x, y)) {
    *color = {0xF0, 0x8A, 0x1C};
    return true;
  }
  if (InRoundedRect(x, y, 9 * s, 5 * s, 31 * s, 43 * s, 2 * s)) {
    bool line = false;
    for (int row = 0; row < 6; ++row) {
      int top = (12 + row * 5) * s;
      int right = (row % 2 == 0 ? 27 : 23) * s;
      if (InRect(x, y, 13 * s, top, right, top + 2 * s)) line = true;
    }
    *color = line ? Color{0x7A, 0x8C, 0xA3} : Color{0xFF, 0xFF, 0xFF};
    return true;
  }
  if (InRoundedRect(x, y, 2 * s, 2 * s, 46 * s, 46 * s, 8 * s)) {
    *color = {0x1D, 0x5C, 0xA6};
    return true;
  }
  return false;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Rows bottom-up, pixels as blue, green, red, alpha (premultiplied not
// required for icons; the colour is the average of the covered samples).
void PutPixels(std::vector<uint8_t>& out) {
  for (int py = kSize - 1; py >= 0; --py) {
    for (int px = 0; px < kSize; ++px) {
      int covered = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
          Color c;
          if (Sample(px * kSub + sx, py * kSub + sy, &c)) {
            ++covered;
            r += c.r;
            g += c.g;
            b += c.b;
          }
        }
      }
      if (covered == 0) {
        Put32(out, 0);
        continue;
      }
      out.push_back(b / covered);
      out.push_back(g / covered);
      out.push_back(r / covered);
      out.push_back(covered * 255 / (kSub * kSub));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const uint32_t maskRow = ((kSize + 31) / 32) * 4;
  const uint32_t imageSize = 40 + kSize * kSize * 4 + maskRow * kSize;

  std::vector<uint8_t> out;
  Put16(out, 0);  // icon directory: reserved, type 1 (icon), one image
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(kSize);  // directory entry
  out.push_back(kSize);
  out.push_back(0);  // no palette
  out.push_back(0);
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, imageSize);
  Put32(out, 6 + 16);

  Put32(out, 40);  // BITMAPINFOHEADER; the height counts image and mask
  Put32(out, kSize);
  Put32(out, kSize * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, kSize * kSize * 4 + maskRow * kSize);
  for (int i = 0; i < 4; ++i) Put32(out, 0);

  PutPixels(out);
  // The AND mask stays clear: the alpha channel decides transparency.
  out.insert(out.end(), maskRow * kSize, 0);

  FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "make_icon: cannot create %s\n", argv[1]);
    return 1;
  }
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
