#include "generator/line_export.h"

#include <cstdio>

namespace zefrin {

void LineCollector::lineDrawn(std::span<const LinePoint> points, int32_t penWidth) {
  lines_.push_back(DrawnLine{penWidth, std::vector<LinePoint>(points.begin(), points.end())});
}

std::string htmlColour(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
  return text;
}

std::string linesToJson(std::span<const DrawnLine> lines) {
  std::string out = "{\"lines\": [";
  for (size_t l = 0; l < lines.size(); ++l) {
    if (l > 0) out += ", ";
    out += "{\"width\": " + std::to_string(lines[l].width) + ", \"points\": [";
    const auto& points = lines[l].points;
    for (size_t p = 0; p < points.size(); ++p) {
      if (p > 0) out += ", ";
      out += '[';
      out += std::to_string(points[p].x);
      out += ", ";
      out += std::to_string(points[p].y);
      out += ", ";
      out += std::to_string(points[p].colour);
      out += ']';
    }
    out += "]}";
  }
  out += "]}\n";
  return out;
}

namespace {

void appendPoint(std::string& out, const LinePoint& p) {
  out += std::to_string(p.x);
  out += ',';
  out += std::to_string(p.y);
}

void appendPolyline(std::string& out, std::span<const LinePoint> points, Colour colour,
                    int32_t width) {
  out += "<polyline points=\"";
  for (size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out += ' ';
    appendPoint(out, points[i]);
  }
  out += "\" stroke=\"" + htmlColour(colour) + "\" stroke-width=\"" + std::to_string(width) +
         "\"/>\n";
}

}  // namespace

std::string linesToSvg(std::span<const DrawnLine> lines, int32_t width, int32_t height,
                       Colour background) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
  out += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"" + htmlColour(background) + "\"/>\n";
  out += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  for (const DrawnLine& line : lines) {
    const auto& points = line.points;
    // Runs of segments [start, end) whose start points share one colour.
    size_t start = 0;
    while (start + 1 < points.size()) {
      const Colour colour = points[start].colour;
      if (colour < 0) {
        ++start;
        continue;
      }
      size_t end = start + 1;
      while (end + 1 < points.size() && points[end].colour == colour) ++end;
      appendPolyline(out, std::span(points).subspan(start, end - start + 1), colour, line.width);
      start = end;
    }
  }
  out += "</g>\n</svg>\n";
  return out;
}

int64_t drawnSegmentCount(std::span<const DrawnLine> lines) {
  int64_t count = 0;
  for (const DrawnLine& line : lines) {
    for (size_t i = 0; i + 1 < line.points.size(); ++i) {
      if (line.points[i].colour >= 0) ++count;
    }
  }
  return count;
}

}  // namespace zefrin
