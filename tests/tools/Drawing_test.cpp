// The drawing of a profile built in code, in both curve shapes: the PNG shows the line where the
// profile's heights are, on its grades and curves. (The SVG and DXF drawings are held byte for byte
// in the program's tests.)

#include "Drawing.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include "Plot.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/TempDir.h"

namespace kx::tool {
namespace {

// A crest (radius 6000) and a sag (radius 3000) between grades of +3 %, -2 % and +3 %.
void Build(QP_LinjePaalegg& profile, bool parabolic) {
  for (const auto& v : {DT_Punkt(0, 100, 0), DT_Punkt(400, 112, 6000), DT_Punkt(900, 102, 3000),
                        DT_Punkt(1400, 117, 0)}) {
    profile.LeggTil(new DT_Punkt(v));
  }
  profile.Modes(parabolic ? kx::kParabolicCurves : 0, kx::kModesReplace);
}

TEST(ProfileDrawing, PngHasItsSizeAndTheLineWhereTheProfileIs) {
  for (const bool parabolic : {false, true}) {
    SCOPED_TRACE(parabolic ? "parabolic" : "circular");
    kx::test::ScopedTempDir dir;
    QP_LinjePaalegg profile;
    Build(profile, parabolic);
    const ProfileDrawing drawing(profile, {});
    ASSERT_EQ(WritePlot(drawing, "p.png", PlotFormat::Png), "");

    cairo_surface_t* png = cairo_image_surface_create_from_png("p.png");
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), PngPixels(drawing.Width(), kPngPixelsPerMm));
    EXPECT_EQ(cairo_image_surface_get_height(png), PngPixels(drawing.Height(), kPngPixelsPerMm));
    cairo_surface_flush(png);
    const unsigned char* data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    // The mean brightness (0 black, 255 white) of the 3 x 3 pixels round a page point.
    const auto brightness = [&](Point p) {
      const int x = static_cast<int>(p.x * kPngPixelsPerMm),
                y = static_cast<int>(p.y * kPngPixelsPerMm);
      double sum = 0.0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const auto* px =
              reinterpret_cast<const std::uint32_t*>(data + (y + dy) * stride) + x + dx;
          sum += ((*px >> 16 & 0xFF) + (*px >> 8 & 0xFF) + (*px & 0xFF)) / 3.0;
        }
      }
      return sum / 9.0;
    };
    // Dark on the designed line: on the grades and on both curves, at their vertices too, where the
    // curves lie 1.9 m and 0.9 m (3.8 and 1.9 mm) off the polygon's vertex.
    for (const double chainage : {60.0, 250.0, 400.0, 650.0, 900.0, 1000.0, 1300.0}) {
      kx::HeightAt h{};
      kx::ProfileHeights(profile, &chainage, 1, &h);
      const double height = h.height;
      EXPECT_LT(brightness(drawing.ToPage(chainage, height)), 128.0) << "line at " << chainage;
      // White 1.6 m (3.2 mm) off the curves at their vertices, on the side away from the vertex.
      if (chainage == 400.0 || chainage == 900.0) {
        const double off = chainage == 400.0 ? -1.6 : 1.6;
        EXPECT_GT(brightness(drawing.ToPage(chainage, height + off)), 230.0) << chainage;
      }
    }
    cairo_surface_destroy(png);
  }
}

}  // namespace
}  // namespace kx::tool
