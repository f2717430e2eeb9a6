// Fuzz target for TekstFil's line reading: the input is a few operations followed by the contents
// of a file (any bytes: CR LF and lone CRs, Ctrl-Z, NULs, lines of any length, "//" comments),
// written to a temporary file. The operations read lines one by one (with comment removal, a
// format, or both), load them into a list, fetch one by number, delete one, and append text.
//
// Every line read is held to the file as the class must see it: read in text mode (CR LF becomes
// LF, a Ctrl-Z ends the file), split at each LF into lines, each line delivered in pieces of at
// most 510 characters (a piece of exactly 510 that ends its line takes the LF with it), each piece
// up to its first NUL (a text holds no NUL). Deleting a line leaves every other line as read, byte
// for byte, with its line end; the stream position follows each operation as documented.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "kx/containers/DT_Nodeliste.h"
#include "kx/files/TekstFil.h"
#include "kx/text/Streng.h"

namespace {

using kx::fuzz::Input;

constexpr std::size_t kPiece = 510;

// A piece of a line as the file holds it, and whether its line ends with it.
struct Piece {
  std::string bytes;
  bool ended;
  std::string Text() const { return bytes.c_str(); }
};

// The file's bytes as text mode reads them: CR LF as LF, nothing from a Ctrl-Z on.
std::string TextMode(const std::string& raw) {
  std::string text;
  for (std::size_t i = 0; i < raw.size() && raw[i] != '\x1a'; ++i) {
    if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    text += raw[i];
  }
  return text;
}

std::vector<Piece> Pieces(const std::string& raw) {
  const std::string text = TextMode(raw);
  std::vector<Piece> pieces;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t lineFeed = text.find('\n', at);
    if (lineFeed != std::string::npos && lineFeed - at <= kPiece) {
      pieces.push_back({text.substr(at, lineFeed - at), true});
      at = lineFeed + 1;
    } else {
      pieces.push_back({text.substr(at, kPiece), false});
      at += kPiece;
    }
  }
  return pieces;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file the target writes, in a directory of its own, removed at exit.
const std::string& FilePath() {
  static const std::string path = [] {
    std::string dir = (std::filesystem::temp_directory_path() / "kxfuzz-tekstfil-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) std::abort();
    static const std::string made = dir;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(made, ignored);
    });
    return dir + "/lines.txt";
  }();
  return path;
}

// The line as LesNesteLinje delivers it with format and flags.
std::string Delivered(const std::string& text, const char* format, int flags) {
  std::string line = text;
  if (format != nullptr && (flags & 4) == 0) {
    char formatted[512];
    std::snprintf(formatted, sizeof formatted, format, text.c_str());
    line = formatted;
  }
  if ((flags & 8) != 0 && line.find("//") != std::string::npos) line.resize(line.find("//"));
  return line;
}

struct Operation {
  int kind, flags, number;
  std::string text;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::Quiet();
  static const char* const kFormats[] = {nullptr, "<%s>", "%s", "%.5s|", "%-520s|"};
  const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  Input in(data, size);
  std::vector<Operation> operations(static_cast<std::size_t>(1 + in.Small(6)));
  for (Operation& op : operations) {
    op.kind = in.Small(6);
    op.flags = in.Small(16);
    op.number = in.Small(8) == 0 ? in.Int() & 0xffff : in.Small(12);
    op.text = in.Text(40);
  }
  std::string content = in.Rest();
  const std::string& path = FilePath();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;

  TekstFil file(path.c_str());
  std::vector<Piece> pieces = Pieces(content);
  std::size_t next = 0;  // the piece the open stream reads next
  bool open = false;
  for (const Operation& op : operations) {
    const char* format = kFormats[op.flags % 5];
    if (trace) {
      std::fprintf(stderr, "op %d, flags %d, number %d, %zu pieces, next %zu%s\n", op.kind,
                   op.flags, op.number, pieces.size(), next, open ? "" : " (closed)");
    }
    switch (op.kind) {
      case 0:
      case 1: {  // the next lines, from the top (0) or from where the stream stands (1)
        if (op.kind == 0) file.LukkIgjen(), open = false;
        if (!open) next = 0, open = true;
        for (int k = 0; k <= op.number % 600; ++k) {
          Streng line;
          line = "unchanged";
          const int result = file.LesNesteLinje(&line, format, op.flags);
          if (next == pieces.size()) {
            KX_CHECK(result == 0 && std::string(line.Get()) == "unchanged");
            break;
          }
          KX_CHECK(result == 1);
          KX_CHECK(std::string(line.Get()) == Delivered(pieces[next++].Text(), format, op.flags));
        }
        break;
      }
      case 2: {  // the remaining lines into a list
        DT_Nodeliste list;
        KX_CHECK(file.InitListe(&list, op.flags) == 1);
        const std::size_t from = open ? next : 0;  // a stream it opened is closed again
        KX_CHECK(static_cast<std::size_t>(list.Antall()) == pieces.size() - from);
        int k = 0;
        for (list.AktiverForste(); list.Aktiv() != nullptr; list.AktiverNeste(), ++k) {
          const auto* line = dynamic_cast<const Streng*>(list.Aktiv());
          KX_CHECK(
              line != nullptr &&
              std::string(line->Get()) ==
                  Delivered(pieces[from + static_cast<std::size_t>(k)].Text(), nullptr, op.flags));
        }
        if (open) next = pieces.size();
        break;
      }
      case 3: {  // one line by number, read from the top
        const auto number = static_cast<unsigned short>(op.number);
        std::unique_ptr<Streng> line(file.GetLinje(number));
        open = true;
        if (number == 0 || number > pieces.size()) {
          KX_CHECK(line == nullptr);
          next = number == 0 ? std::min<std::size_t>(1, pieces.size()) : pieces.size();
        } else {
          KX_CHECK(line != nullptr && std::string(line->Get()) == pieces[number - 1].Text());
          next = number;
        }
        break;
      }
      case 4: {  // delete a line: the others stay as they were read, with their line ends
        const auto number = static_cast<unsigned short>(op.number);
        KX_CHECK(file.SlettLinje(number) == 1);
        open = false;
        std::string expected;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
          if (k + 1 != number) expected += pieces[k].bytes + (pieces[k].ended ? "\n" : "");
        }
        content = ReadFile(path);
        KX_CHECK(content == expected);
        pieces = Pieces(content);
        break;
      }
      default: {  // append text (no line end is added)
        file.LukkIgjen();
        KX_CHECK(file.LukkOpp("at") == 1);
        KX_CHECK(file.LeggTilLinje(op.text.c_str()) == 1);
        file.LukkIgjen();
        open = false;
        content += op.text.c_str();
        KX_CHECK(ReadFile(path) == content);
        pieces = Pieces(content);
        break;
      }
    }
  }
  return 0;
}
