// Small pictures as ASCII art, so tests can draw their expectations.
// '.' is the background; other colours are given a character in a legend.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/raster/picture.h"

namespace zefrin::test {

inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;

// Rows joined by '\n'. Colours missing from the legend show as '?'.
inline std::string asciiArt(const RasterImage& image, Colour background,
                            const std::map<Colour, char>& legend = {{kBlack, '#'}}) {
  std::string out;
  for (int32_t y = 0; y < image.height(); ++y) {
    if (y > 0) out += '\n';
    for (int32_t x = 0; x < image.width(); ++x) {
      const Colour c = colourFromPixel(image.at(x, y));
      if (c == background) {
        out += '.';
      } else {
        const auto it = legend.find(c);
        out += it == legend.end() ? '?' : it->second;
      }
    }
  }
  return out;
}

inline std::string asciiArt(const Picture& picture, const std::map<Colour, char>& legend = {{kBlack, '#'}}) {
  return asciiArt(picture.screen(), picture.background(), legend);
}

// Joins fixture rows with '\n' so expectations read as a picture.
inline std::string rows(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += '\n';
    out += lines[i];
  }
  return out;
}

// A white picture with a black 1-pixel pen.
inline Picture whitePicture(int32_t width, int32_t height) {
  Picture picture(width, height, kWhite);
  picture.state().penColour = kBlack;
  return picture;
}

}  // namespace zefrin::test
