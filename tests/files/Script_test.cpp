// Runs the file scenarios of tests/data/files/*.script: each case in a fresh temporary directory,
// setup steps, and calls on a TekstFil (a Fil) with the results they must give.
//
//   case|title             a new case: a fresh directory, the file under test dropped, TZ=UTC
//   write|path|content     creates a file. Content, names and expected texts may hold {r} (CR),
//                          {n} (LF), {xNN} (the byte NN) and {N*c} (c N times; {1* } shows a
//                          trailing space)
//   mkdir|path   remove|path   mode|path|octal   time|path|seconds (the last write time)
//   fail|call              the platform's call fails (EIO) until "fail|" or the next case
//   open|name              the file under test becomes TekstFil(name)
//   name|text              its Filnavn becomes text, unchanged (FilNavn)
//   permissions|           the rest of the case runs only where permission bits stop this
//                          process (not for the system administrator)
//   file|path|content      the content of a file ("-": it does not exist)
//   perms|path|octal       its permission bits
//   list|a,b               the sorted listing of the directory
//   resolve|name|path      the name as the platform finds it
//   <member>|args...|expected   a call on the file under test (see CallMember); expected is its
//                          result, "0 <code>" for the members that set a code, or the text it
//                          returns ("(null)" or "(end)" for none).

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kx/containers/DT_Nodeliste.h"
#include "kx/files/TekstFil.h"
#include "kx/platform/Files.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Sets the last write time of file to seconds since 1970, exactly (the shift from the file
// clock is measured through the platform's time stamps).
void SetWriteTime(const std::string& file, std::uint32_t seconds) {
  kx::platform::FileTimes now;
  kx::platform::GetFileTimes(file.c_str(), now);
  const auto shift = std::chrono::seconds(std::int64_t{seconds} - now.lastWrite);
  fs::last_write_time(file, fs::last_write_time(file) + shift);
}

// Whether a file without read permission is unreadable to this process (false for root).
bool PermissionsApply() {
  std::ofstream("probe") << "x";
  fs::permissions("probe", fs::perms::none);
  const bool applies = !std::ifstream("probe").is_open();
  fs::remove("probe");
  return applies;
}

// Makes every call named call of the platform fail with EIO while it lives.
class FailingCall {
 public:
  explicit FailingCall(const std::string& call)
      : previous_(kx::platform::SetSystemCallHook(
            [call](const char* name) { return name == call ? EIO : 0; })) {}
  ~FailingCall() { kx::platform::SetSystemCallHook(previous_); }

 private:
  kx::platform::SystemCallHook previous_;
};

std::string Expand(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::size_t close = s[i] == '{' ? s.find('}', i) : std::string::npos;
    if (close == std::string::npos) {
      out += s[i];
      continue;
    }
    const std::string code = s.substr(i + 1, close - i - 1);
    const std::size_t star = code.find('*');
    if (code == "r" || code == "n") {
      out += code == "r" ? '\r' : '\n';
    } else if (code[0] == 'x') {
      out += static_cast<char>(std::stoi(code.substr(1), nullptr, 16));
    } else {
      out.append(std::stoul(code.substr(0, star)), code.at(star + 1));
    }
    i = close;
  }
  return out;
}

// The parts separated by ';', each copied in the order given (a later call may overwrite the
// buffer an earlier one returned).
std::string Joined(std::initializer_list<std::string> parts) {
  std::string text;
  for (const auto& part : parts) text += (&part == parts.begin() ? "" : ";") + part;
  return text;
}

std::string Coded(HovedObjekt& o, int result) {
  return result != 0 ? std::to_string(result) : "0 " + std::to_string(o.ErrorKode(-9999));
}

// A call on the file under test, its result as text.
std::string CallMember(TekstFil& f, const std::string& op, const Args& a) {
  const auto n = [&](std::size_t i) { return std::stoi(a.at(i)); };
  const auto line = [&](std::size_t i) { return static_cast<unsigned short>(n(i)); };
  const auto str = [](auto result) { return std::to_string(result); };
  Streng text;
  if (op == "Finnes") return str(f.Finnes(0));
  if (op == "Lovlig_Filnavn") return str(f.Lovlig_Filnavn());
  if (op == "Slett") return str(f.Slett());
  if (op == "LukkIgjen") return str(f.LukkIgjen());
  if (op == "SetTempNavn") return str(f.SetTempNavn());
  if (op == "LukkOpp") return str(f.LukkOpp(a.at(0).c_str()));
  if (op == "SetNavn") return str(f.SetNavn(a.at(0).c_str()));
  if (op == "KopierTil") return str(f.KopierTil(a.at(0).c_str()));
  if (op == "LeggTilLinje") return str(f.LeggTilLinje(Expand(a.at(0)).c_str()));
  if (op == "SlettLinje") return str(f.SlettLinje(line(0)));
  if (op == "NyereEnn") return text = a.at(0).c_str(), Coded(f, f.NyereEnn(&text));
  if (op == "GetTime") {
    const int result = f.GetTime(text, n(0), n(1));
    return result != 0 ? text.Get() : Coded(f, result);
  }
  if (op == "GetLinje") {
    const std::unique_ptr<Streng> got(f.GetLinje(line(0)));
    return got ? got->Get() : "(null)";
  }
  if (op == "Les") {
    const char* format = a.at(1).empty() ? nullptr : a[1].c_str();
    return f.LesNesteLinje(&text, format, n(0)) != 0 ? text.Get() : "(end)";
  }
  if (op == "Lines") {
    DT_Nodeliste list;
    std::string lines = str(f.InitListe(&list, n(0))) + ":";
    for (HovedObjekt* o = list.AktiverForste(); o != nullptr; o = list.AktiverNeste()) {
      lines += static_cast<Streng*>(o)->Get() + std::string(",");
    }
    return lines;
  }
  if (op == "GetPos") {
    std::int64_t pos = 0;
    return f.GetPos(&pos) != 0 ? str(pos) : "0";
  }
  if (op == "SetPos") {
    long offset = std::stol(a.at(0));
    return str(f.SetPos(&offset, n(1)));
  }
  Filnavn& name = *f.FilNavn();
  std::vector<Streng> p(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) p[i] = a[i].c_str();
  if (op == "Splitt") {
    Streng drive, path, base;
    const int result = name.Splitt(&drive, &path, &base, &text);
    return Joined({str(result), drive.Get(), path.Get(), base.Get(), text.Get(), name.Path()->Get(),
                   name.NavnExt()->Get(), name.PathNavnUtenExt()->Get(), name.Get()});
  }
  if (op == "SettSammen")
    return Joined({str(name.SettSammen(&p[0], &p[1], &p[2], &p[3])), name.Get()});
  using Setter = Streng* (Filnavn::*)(Streng*);
  for (const auto& [member, setter] : {std::pair<const char*, Setter>{"Drive", &Filnavn::Drive},
                                       {"Path", &Filnavn::Path},
                                       {"Navn", &Filnavn::Navn},
                                       {"Ext", &Filnavn::Ext},
                                       {"NavnExt", &Filnavn::NavnExt}}) {
    if (op == member) return Joined({(name.*setter)(&p.at(0))->Get(), name.Get()});
  }
  if (op == "Fields") {
    int v[7] = {};
    const int result = f.GetTime(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], n(0));
    if (result == 0) return Coded(f, result);
    std::string fields;
    for (int field : v) fields += str(field) + " ";
    return fields;
  }
  if (op == "Parts") return Joined({f.NavnExt(), f.Path(), f.Navn(), f.Ext(), f.NavnUtenExt()});
  ADD_FAILURE() << "unknown command " << op;
  return "";
}

void RunScript(const std::string& path) {
  // One command a line, fields separated by '|'; blank lines and '#' comments skipped.
  struct Row {
    int line;
    std::vector<std::string> fields;
  };
  std::vector<Row> rows;
  std::ifstream in(path);
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    rows.push_back({line, {}});
    for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
      bar = text.find('|', start);
      rows.back().fields.push_back(text.substr(start, bar - start));
    }
  }
  ASSERT_FALSE(rows.empty()) << path;
  std::optional<kx::test::ScopedTempDir> dir;
  std::optional<FailingCall> failing;
  bool skipping = false;
  std::unique_ptr<TekstFil> file;
  std::string title;
  for (const auto& row : rows) {
    const std::string& op = row.fields[0];
    const auto field = [&](std::size_t i) { return i < row.fields.size() ? row.fields[i] : ""; };
    const std::string where = path.substr(path.rfind('/') + 1) + ":" + std::to_string(row.line);
    SCOPED_TRACE(where + " (" + title + ")");
    if (skipping && op != "case") continue;
    if (op == "case") {
      skipping = false;
      failing.reset(), file.reset(), dir.reset();
      dir.emplace();
      setenv("TZ", "UTC", 1);
      title = field(1);
    } else if (op == "write") {
      dir->Write(Expand(field(1)), Expand(field(2)));
    } else if (op == "mkdir") {
      fs::create_directories(field(1));
    } else if (op == "remove") {
      fs::remove(field(1));
    } else if (op == "mode") {
      fs::permissions(field(1), static_cast<fs::perms>(std::stoi(field(2), nullptr, 8)));
    } else if (op == "time") {
      SetWriteTime(field(1), static_cast<std::uint32_t>(std::stoul(field(2))));
    } else if (op == "fail") {
      failing.reset();
      if (!field(1).empty()) failing.emplace(field(1));
    } else if (op == "permissions") {
      skipping = !PermissionsApply();
      if (skipping)
        std::printf("%s: skipped, permission bits do not stop this process\n", where.c_str());
    } else if (op == "open") {
      file = std::make_unique<TekstFil>(Expand(field(1)).c_str());
    } else if (op == "name") {
      if (!file) file = std::make_unique<TekstFil>("");
      file->FilNavn(Expand(field(1)).c_str());
    } else if (op == "file") {
      EXPECT_EQ(dir->Exists(field(1)) ? dir->Read(field(1)) : "-", Expand(field(2)));
    } else if (op == "perms") {
      EXPECT_EQ(static_cast<int>(fs::status(field(1)).permissions()),
                std::stoi(field(2), nullptr, 8));
    } else if (op == "list") {
      std::string names;
      std::vector<std::string> all;
      for (const auto& e : fs::recursive_directory_iterator(".")) {
        all.push_back(fs::relative(e.path(), ".").generic_string());
      }
      std::sort(all.begin(), all.end());
      for (const auto& name : all) names += (names.empty() ? "" : ",") + name;
      EXPECT_EQ(names, Expand(field(1)));
    } else if (op == "resolve") {
      EXPECT_EQ(kx::platform::ResolvePath(Expand(field(1)).c_str()), Expand(field(2)));
    } else {
      ASSERT_TRUE(file) << "no open| before " << op;
      const Args args(row.fields.begin() + 1, row.fields.end() - 1);
      EXPECT_EQ(CallMember(*file, op, args), Expand(row.fields.back())) << op;
    }
  }
}

TEST(FileScripts, Filnavn) { RunScript(KX_TEST_DATA_DIR "/files/filnavn.script"); }
TEST(FileScripts, FilAndTekstFil) { RunScript(KX_TEST_DATA_DIR "/files/fil.script"); }

}  // namespace
