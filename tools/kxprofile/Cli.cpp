#include "Cli.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include "Drawing.h"
#include "Host.h"
#include "Plot.h"
#include "ProfileFile.h"
#include "ProfileView.h"
#include "Tables.h"
#include "Text.h"
#include "kx/foundation/Version.h"
#include "kx/profile/QP_LinjePaalegg.h"

namespace kx::tool {
namespace {

// The most rows of heights and stations of the band one run makes.
constexpr double kMaxRows = 1e6;
constexpr double kMaxBandStations = 2e4;

struct Options {
  std::string file, output, format;
  bool parabolic = false;
  double from = std::nan(""), to = std::nan("");  // NaN: not given
  double step = 20.0;
  std::vector<double> at;
  bool csv = false;
  double exaggeration = 10.0, bandStep = 20.0;
};

const CLI::Validator& Finite() {
  static const CLI::Validator finite(
      [](std::string& text) -> std::string {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !std::isfinite(value)) {
          return "not a finite number: " + text;
        }
        return "";
      },
      "NUMBER");
  return finite;
}

void AddCommon(CLI::App* command, Options& o, const char* fileHelp) {
  command->add_option("FILE", o.file, fileHelp)->required()->option_text(" ");
  command
      ->add_option("--format", o.format,
                   "format of FILE: nylp or prf (default: by its extension, .PRF in any case "
                   "meaning PRF)")
      ->transform(CLI::IsMember({"nylp", "prf"}, CLI::ignore_case))
      ->option_text("nylp|prf");
  command->add_flag("--parabolic", o.parabolic,
                    "parabolic vertical curves (default: circular arcs)");
}

int UsageError(std::ostream& err, const std::string& text) {
  err << "kxprofile: " << text << "\nRun with --help for more information.\n";
  return 2;
}

// The format of the file read: --format, else its extension's.
FileFormat InputFormat(const Options& o) {
  if (o.format.empty()) return FileFormatOf(o.file);
  return o.format == "prf" ? FileFormat::Prf : FileFormat::Nylp;
}

// Reads the profile named by the options: 0, or 1 after the message.
int Load(const Options& o, ToolHost& host, QP_LinjePaalegg& profile) {
  const std::string error = ReadProfile(o.file, InputFormat(o), o.parabolic, host, profile);
  if (error.empty()) return 0;
  host.Err() << "kxprofile: " << error << '\n';
  return 1;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Info(const Options& o, ToolHost& host, std::ostream& out) {
  QP_LinjePaalegg profile;
  if (Load(o, host, profile) != 0) return 1;
  WriteInfo(out, DescribeProfile(profile), o.file + " (" + FormatName(InputFormat(o)) + ")");
  return 0;
}

int Heights(const Options& o, ToolHost& host, std::ostream& out) {
  QP_LinjePaalegg profile;
  if (Load(o, host, profile) != 0) return 1;
  std::vector<double> chainages = o.at;
  if (chainages.empty()) {
    const ProfileView view = DescribeProfile(profile);
    const double from = std::isnan(o.from) ? view.vertices.front().chainage : o.from;
    const double to = std::isnan(o.to) ? view.vertices.back().chainage : o.to;
    if (from > to) {
      return UsageError(host.Err(),
                        "heights: --from " + Fixed(from, 3) + " lies after --to " + Fixed(to, 3));
    }
    if ((to - from) / o.step > kMaxRows) {
      return UsageError(host.Err(),
                        "heights: --step " + Fixed(o.step, 3) + " gives more than 1000000 rows");
    }
    chainages = Stations(from, to, o.step, true);
  }
  WriteHeights(out, profile, chainages, o.csv);
  return 0;
}

int Convert(const Options& o, ToolHost& host, std::ostream& out) {
  QP_LinjePaalegg profile;
  if (Load(o, host, profile) != 0) return 1;
  const std::string error = WriteProfile(profile, o.output, host);
  if (!error.empty()) {
    host.Err() << "kxprofile: " << error << '\n';
    return 1;
  }
  out << o.output << ": " << FormatName(FileFormatOf(o.output)) << ", " << profile.Antall()
      << " vertices\n";
  return 0;
}

int Plot(const Options& o, ToolHost& host, std::ostream& out) {
  QP_LinjePaalegg profile;
  if (Load(o, host, profile) != 0) return 1;
  const ProfileView view = DescribeProfile(profile);
  const double length = std::abs(view.vertices.back().chainage - view.vertices.front().chainage);
  if (length / o.bandStep > kMaxBandStations) {
    return UsageError(host.Err(), "plot: --band-step " + Fixed(o.bandStep, 3) +
                                      " gives more than 20000 band stations");
  }
  const ProfileDrawing drawing(
      profile,
      {o.exaggeration, o.bandStep, BaseName(o.file) + " (" + FormatName(InputFormat(o)) + ")"});
  const PlotFormat plot = *PlotFormatOf(o.output);
  const std::string error = WritePlot(drawing, o.output, plot);
  if (!error.empty()) {
    host.Err() << "kxprofile: " << o.output << ": " << error << '\n';
    return 1;
  }
  out << o.output << ": ";
  if (plot == PlotFormat::Png) {
    out << PngPixels(drawing.Width(), kPngPixelsPerMm) << " x "
        << PngPixels(drawing.Height(), kPngPixelsPerMm) << " pixels";
  } else {
    out << Fixed(drawing.Width(), 1) << " x " << Fixed(drawing.Height(), 1) << " mm";
  }
  out << ", horizontal 1:" << Plain(drawing.ScaleDenominator())
      << ", vertical 1:" << Plain(drawing.ScaleDenominator() / o.exaggeration) << '\n';
  return 0;
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  ToolHost host(err);
  Options o;
  CLI::App app(
      "Vertical road profiles (NYLP and PRF files): curve tables, heights, conversion "
      "and drawings.",
      "kxprofile");
  app.set_version_flag("--version", std::string("kxprofile ") + KX_VERSION_STRING + " (kxlib " +
                                        kx::LibraryVersion() + ")");
  app.require_subcommand(1);

  CLI::App* info = app.add_subcommand(
      "info",
      "The vertices and the vertical curves: crest or sag, radius, tangent points, "
      "length, grades, highest or lowest point; whether curves overlap.");
  AddCommon(info, o, "the profile file");

  CLI::App* heights = app.add_subcommand(
      "heights", "Heights of the designed line and of the vertex polygon, and their difference.");
  AddCommon(heights, o, "the profile file");
  CLI::Option* from =
      heights->add_option("--from", o.from, "first chainage (default: the first vertex)")
          ->check(Finite())
          ->option_text("X");
  CLI::Option* to =
      heights->add_option("--to", o.to, "last chainage, always listed (default: the last vertex)")
          ->check(Finite())
          ->option_text("Y");
  CLI::Option* step =
      heights->add_option("--step", o.step, "metres between the chainages (default 20)")
          ->check(Finite())
          ->check(CLI::PositiveNumber)
          ->option_text("S");
  heights->add_option("--at", o.at, "these chainages only")
      ->check(Finite())
      ->excludes(from)
      ->excludes(to)
      ->excludes(step)
      ->option_text("X ...");
  heights->add_flag("--csv", o.csv, "comma-separated values instead of a table");

  CLI::App* convert = app.add_subcommand(
      "convert", "Writes the profile as PRF when OUT ends in .PRF (in any case), else as NYLP.");
  AddCommon(convert, o, "the profile file to read");
  convert->add_option("OUT", o.output, "the profile file to write")->required()->option_text(" ");

  CLI::App* plot = app.add_subcommand(
      "plot", "Draws the profile as road drawings show it, into OUT: .svg, .png, .pdf or .dxf.");
  AddCommon(plot, o, "the profile file");
  plot->add_option("-o,--output", o.output,
                   "the drawing: a file ending in .svg, .png, .pdf or .dxf")
      ->required()
      ->check(CLI::Validator(
          [](std::string& path) -> std::string {
            return PlotFormatOf(path) ? "" : "not a .svg, .png, .pdf or .dxf file: " + path;
          },
          ""))
      ->option_text("OUT");
  plot->add_option("--exaggeration", o.exaggeration,
                   "vertical scale over horizontal scale, 0.1 to 1000 (default 10)")
      ->check(Finite())
      ->check(CLI::Range(0.1, 1000.0))
      ->option_text("E");
  plot->add_option("--band-step", o.bandStep,
                   "metres between the heights of the band, 0.1 to 100000 (default 20)")
      ->check(Finite())
      ->check(CLI::Range(0.1, 100000.0))
      ->option_text("S");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? 0 : 2;
  }
  if (info->parsed()) return Info(o, host, out);
  if (heights->parsed()) return Heights(o, host, out);
  if (convert->parsed()) return Convert(o, host, out);
  return Plot(o, host, out);
}

}  // namespace kx::tool
