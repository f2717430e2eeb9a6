#include "Plot.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "CairoCanvas.h"
#include "Drawing.h"
#include "DxfCanvas.h"
#include "SvgCanvas.h"
#include "Text.h"

namespace kx::tool {
namespace {

std::string WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  if (file) file << text;
  if (file) file.close();
  if (!file) return std::string("cannot write the file: ") + std::strerror(errno);
  return "";
}

}  // namespace

std::optional<PlotFormat> PlotFormatOf(const std::string& path) {
  const std::string ext = UpperExtension(path);
  if (ext == ".SVG") return PlotFormat::Svg;
  if (ext == ".PNG") return PlotFormat::Png;
  if (ext == ".PDF") return PlotFormat::Pdf;
  if (ext == ".DXF") return PlotFormat::Dxf;
  return std::nullopt;
}

int PngPixels(double millimetres, double pixelsPerMm) {
  return static_cast<int>(std::ceil(millimetres * pixelsPerMm - 1e-9));
}

std::string SvgDocument(const ProfileDrawing& drawing) {
  SvgCanvas canvas(drawing.Width(), drawing.Height());
  drawing.Draw(canvas);
  return canvas.Document();
}

std::string DxfDocument(const ProfileDrawing& drawing) {
  DxfCanvas canvas(drawing.Width(), drawing.Height());
  drawing.Draw(canvas);
  return canvas.Document();
}

std::string WritePlot(const ProfileDrawing& drawing, const std::string& path, PlotFormat format) {
  switch (format) {
    case PlotFormat::Svg:
      return WriteText(path, SvgDocument(drawing));
    case PlotFormat::Dxf:
      return WriteText(path, DxfDocument(drawing));
    case PlotFormat::Png:
      return WritePng(drawing, path, kPngPixelsPerMm);
    case PlotFormat::Pdf:
      return WritePdf(drawing, path);
  }
  return "unknown format";
}

}  // namespace kx::tool
