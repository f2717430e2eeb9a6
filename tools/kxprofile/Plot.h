#pragma once
// Writing the profile drawing to a file; the format follows the file's extension.

#include <optional>
#include <string>

namespace kx::tool {

class ProfileDrawing;

enum class PlotFormat { Svg, Png, Pdf, Dxf };

// The format of a file name's extension (.svg, .png, .pdf, .dxf in any case), if it is one.
std::optional<PlotFormat> PlotFormatOf(const std::string& path);

// PNG resolution: 5 pixels a millimetre (127 dots per inch).
inline constexpr double kPngPixelsPerMm = 5.0;
// The pixels of the PNG across a length of the page (mm): rounded up.
int PngPixels(double millimetres, double pixelsPerMm);

// Writes the drawing to path in format: "" on success, else the reason.
std::string WritePlot(const ProfileDrawing& drawing, const std::string& path, PlotFormat format);

// The drawing as an SVG or DXF document (what WritePlot writes).
std::string SvgDocument(const ProfileDrawing& drawing);
std::string DxfDocument(const ProfileDrawing& drawing);

}  // namespace kx::tool
