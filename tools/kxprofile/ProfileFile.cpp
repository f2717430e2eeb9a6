#include "ProfileFile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "Host.h"
#include "Text.h"
#include "kx/files/TekstFil.h"
#include "kx/profile/ProfileQueries.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "kx/text/Streng.h"

namespace kx::tool {
namespace {

// The line number in a message of the library's readers ("... read line 12 in ..."), or 0.
long LineOf(const std::string& message) {
  for (std::size_t at = message.find("line "); at != std::string::npos;
       at = message.find("line ", at + 1)) {
    const char* digits = message.c_str() + at + 5;
    if (std::isdigit(static_cast<unsigned char>(*digits))) return std::strtol(digits, nullptr, 10);
  }
  return 0;
}

// What a reader's code means where the library shows no message of its own.
const char* ReasonOf(int code) {
  switch (code) {
    case -1:
      return "unknown file type";
    case -2:
      return "the file does not exist or cannot be read";
    case -3:
      return "a line cannot be read";
    case -4:
      return "a curve row is not followed by the row of the curve's end";
    default:
      return "the file cannot be read";
  }
}

}  // namespace

FileFormat FileFormatOf(const std::string& path) {
  return UpperExtension(path) == ".PRF" ? FileFormat::Prf : FileFormat::Nylp;
}

const char* FormatName(FileFormat format) { return format == FileFormat::Prf ? "PRF" : "NYLP"; }

std::string ReadProfile(const std::string& path, FileFormat format, bool parabolic, ToolHost& host,
                        QP_LinjePaalegg& profile) {
  host.Flush();
  if (parabolic) profile.Modes(kx::kParabolicCurves, kx::kModesSet);
  profile.ErrorKode(0);
  Streng name("%s", path.c_str());
  const int read = profile.InitFromAsciiFile(name, static_cast<int>(format));
  const int code = profile.ErrorKode(-9999);

  // A reader's failure shows its message in an error box; overlapping curves, found by the check
  // that ends every read, show theirs in the platform's message box and leave the profile whole.
  std::string failure, overlap;
  for (const Shown& s : host.Take()) {
    std::string& to = s.route == Shown::Route::PlatformBox ? overlap : failure;
    to += (to.empty() ? "" : " ") + OneLine(s.text);
  }
  if (read == 0 && (!failure.empty() || overlap.empty())) {
    const long line = LineOf(failure);
    return path + ": " + (line > 0 ? "line " + std::to_string(line) + ": " : "") +
           (failure.empty() ? ReasonOf(code) : failure) + " (code " + std::to_string(code) + ")";
  }
  if (!overlap.empty()) host.Err() << "kxprofile: warning: " << path << ": " << overlap << '\n';
  if (profile.Antall() < 2) {
    return path + ": no profile: " + std::to_string(profile.Antall()) +
           " vertices read, a profile needs at least 2";
  }
  return "";
}

std::string WriteProfile(QP_LinjePaalegg& profile, const std::string& path, ToolHost& host) {
  host.Flush();
  // The library writes PRF when the file's extension reads ".PRF" exactly. The file is created
  // first under the name as given; the name with the extension upper-cased then finds it, since
  // the library's file names ignore case.
  std::string name = path;
  if (FileFormatOf(path) == FileFormat::Prf) {
    TekstFil created(nullptr);
    created.FilNavn(path.c_str());
    if (created.LukkOpp("wt") == 0) {
      return path + ": cannot create the file: " + std::strerror(errno);
    }
    created.LukkIgjen();
    name = path.substr(0, path.size() - 4) + ".PRF";
  }
  TekstFil file(nullptr);
  file.FilNavn(name.c_str());
  if (file.LukkOpp("wt") == 0) return path + ": cannot create the file: " + std::strerror(errno);
  profile.ErrorKode(0);
  const int written = profile.CreateAsciiFile(&file);
  const int code = profile.ErrorKode(-9999);
  file.LukkIgjen();

  std::string shown;
  for (const Shown& s : host.Take()) shown += (shown.empty() ? "" : " ") + OneLine(s.text);
  if (written == 1 && shown.empty()) return "";
  file.Slett();
  // After the library's own message the code adds nothing (an overlap leaves it untouched).
  if (!shown.empty()) return path + ": not written: " + shown;
  return path + ": not written: the profile cannot be written (code " + std::to_string(code) + ")";
}

}  // namespace kx::tool
