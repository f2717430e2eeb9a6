// Runs the file scenarios of tests/data/files/*.script, tables as support/Table.h reads them: each
// case in a fresh temporary directory, setup steps, and calls on a TekstFil (a Fil) with the
// results they must give.
//
//   case TITLE              a new case: a fresh directory, the file under test dropped, TZ=UTC
//   write PATH CONTENT      creates a file
//   mkdir PATH   remove PATH   mode PATH OCTAL   time PATH SECONDS (the last write time)
//   fail CALL               the platform's call fails (EIO) until "fail" alone or the next case
//   open NAME               the file under test becomes TekstFil(NAME)
//   name TEXT               its Filnavn becomes TEXT, unchanged (FilNavn)
//   permissions             the rest of the case runs only where permission bits stop this
//                           process (not for the system administrator)
//   file PATH | CONTENT     the content of a file ("-": it does not exist)
//   perms PATH | OCTAL      its permission bits
//   list | NAMES            the sorted listing of the directory
//   resolve NAME | PATH     the name as the platform finds it
//   MEMBER ARGS | RESULT    a call on the file under test (see Call): its result, "0 CODE" for the
//                           members that set a code, or the text it returns ("(null)" or "(end)"
//                           for none); the words of RESULT are joined by single blanks.

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
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kx::test::Row;
using Texts = std::vector<std::string>;

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
struct FailingCall {
  explicit FailingCall(const std::string& call)
      : previous(kx::platform::SetSystemCallHook(
            [call](const char* name) { return name == call ? EIO : 0; })) {}
  ~FailingCall() { kx::platform::SetSystemCallHook(previous); }
  kx::platform::SystemCallHook previous;
};

std::string Joined(const Texts& parts, const char* separator) {
  std::string text;
  for (const auto& part : parts) text += (&part == parts.data() ? "" : separator) + part;
  return text;
}

// The names under the current directory, sorted.
Texts Listing() {
  Texts names;
  for (const auto& e : fs::recursive_directory_iterator(".")) {
    names.push_back(fs::relative(e.path(), ".").generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Coded(HovedObjekt& o, int result) {
  return result != 0 ? std::to_string(result) : "0 " + std::to_string(o.ErrorKode(-9999));
}

// A call on the file under test, its result as text. Parts of a name are joined by ';', each
// copied in the order given (a later call may overwrite the buffer an earlier one returned).
std::string Call(TekstFil& f, const Row& r) {
  const std::string& op = r.kind;
  const auto arg = [&r](std::size_t i) { return r.S(0, i).c_str(); };
  const auto line = [&r](std::size_t i) { return static_cast<unsigned short>(r.I(0, i)); };
  const auto str = [](auto result) { return std::to_string(result); };
  Streng text;
  if (op == "Finnes") return str(f.Finnes(0));
  if (op == "Lovlig_Filnavn") return str(f.Lovlig_Filnavn());
  if (op == "Slett") return str(f.Slett());
  if (op == "LukkIgjen") return str(f.LukkIgjen());
  if (op == "SetTempNavn") return str(f.SetTempNavn());
  if (op == "LukkOpp") return str(f.LukkOpp(arg(0)));
  if (op == "SetNavn") return str(f.SetNavn(arg(0)));
  if (op == "KopierTil") return str(f.KopierTil(arg(0)));
  if (op == "LeggTilLinje") return str(f.LeggTilLinje(arg(0)));
  if (op == "SlettLinje") return str(f.SlettLinje(line(0)));
  if (op == "NyereEnn") return text = arg(0), Coded(f, f.NyereEnn(&text));
  if (op == "GetTime") {
    const int result = f.GetTime(text, r.I(0, 0), r.I(0, 1));
    return result != 0 ? text.Get() : Coded(f, result);
  }
  if (op == "GetLinje") {
    const std::unique_ptr<Streng> got(f.GetLinje(line(0)));
    return got ? got->Get() : "(null)";
  }
  if (op == "Les") {
    const char* format = r.Words(0) > 1 ? arg(1) : nullptr;
    return f.LesNesteLinje(&text, format, r.I(0, 0)) != 0 ? text.Get() : "(end)";
  }
  if (op == "Lines") {
    DT_Nodeliste list;
    std::string lines = str(f.InitListe(&list, r.I(0, 0))) + ":";
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
    long offset = r.I(0, 0);
    return str(f.SetPos(&offset, r.I(0, 1)));
  }
  if (op == "Fields") {
    int v[7] = {};
    const int result = f.GetTime(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], r.I(0, 0));
    Texts fields;
    for (int field : v) fields.push_back(str(field));
    return result != 0 ? Joined(fields, " ") : Coded(f, result);
  }
  if (op == "Parts") return Joined({f.NavnExt(), f.Path(), f.Navn(), f.Ext(), f.NavnUtenExt()}, ";");
  Filnavn& name = *f.FilNavn();
  std::vector<Streng> p(r.Words(0));
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = arg(i);
  if (op == "Splitt") {
    Streng drive, path, base;
    const int result = name.Splitt(&drive, &path, &base, &text);
    return Joined({str(result), drive.Get(), path.Get(), base.Get(), text.Get(), name.Path()->Get(),
                   name.NavnExt()->Get(), name.PathNavnUtenExt()->Get(), name.Get()},
                  ";");
  }
  if (op == "SettSammen") {
    return Joined({str(name.SettSammen(&p[0], &p[1], &p[2], &p[3])), name.Get()}, ";");
  }
  using Setter = Streng* (Filnavn::*)(Streng*);
  for (const auto& [member, setter] : {std::pair<const char*, Setter>{"Drive", &Filnavn::Drive},
                                       {"Path", &Filnavn::Path},
                                       {"Navn", &Filnavn::Navn},
                                       {"Ext", &Filnavn::Ext},
                                       {"NavnExt", &Filnavn::NavnExt}}) {
    if (op == member) return Joined({(name.*setter)(&p.at(0))->Get(), name.Get()}, ";");
  }
  ADD_FAILURE() << "unknown command " << op;
  return "";
}

void RunScript(const std::string& file) {
  std::optional<kx::test::ScopedTempDir> dir;
  std::optional<FailingCall> failing;
  std::unique_ptr<TekstFil> tested;
  bool skipping = false;
  std::string title;
  for (const Row& r : kx::test::Table(file)) {
    const std::string& op = r.kind;
    const auto arg = [&r](std::size_t i) { return r.S(0, i); };
    const Texts want = r.cells.size() > 1 ? r.cells[1] : Texts{};
    SCOPED_TRACE(r.where + " (" + title + ")");
    if (skipping && op != "case") continue;
    if (op == "case") {
      skipping = false;
      failing.reset(), tested.reset(), dir.reset();
      dir.emplace();
      setenv("TZ", "UTC", 1);
      title = Joined(r.cells[0], " ");
    } else if (op == "write") {
      dir->Write(arg(0), arg(1));
    } else if (op == "mkdir") {
      fs::create_directories(arg(0));
    } else if (op == "remove") {
      fs::remove(arg(0));
    } else if (op == "mode") {
      fs::permissions(arg(0), static_cast<fs::perms>(std::stoi(arg(1), nullptr, 8)));
    } else if (op == "time") {
      SetWriteTime(arg(0), static_cast<std::uint32_t>(r.D(0, 1)));
    } else if (op == "fail") {
      failing.reset();
      if (r.Words(0) > 0) failing.emplace(arg(0));
    } else if (op == "permissions") {
      skipping = !PermissionsApply();
      if (skipping) std::printf("%s: skipped, permission bits do not stop this process\n", r.where.c_str());
    } else if (op == "open") {
      tested = std::make_unique<TekstFil>(arg(0).c_str());
    } else if (op == "name") {
      if (!tested) tested = std::make_unique<TekstFil>("");
      tested->FilNavn(arg(0).c_str());
    } else if (op == "file") {
      EXPECT_EQ(dir->Exists(arg(0)) ? dir->Read(arg(0)) : "-", Joined(want, " "));
    } else if (op == "perms") {
      EXPECT_EQ(static_cast<int>(fs::status(arg(0)).permissions()), std::stoi(want.at(0), nullptr, 8));
    } else if (op == "list") {
      EXPECT_EQ(Listing(), want);
    } else if (op == "resolve") {
      EXPECT_EQ(kx::platform::ResolvePath(arg(0).c_str()), Joined(want, " "));
    } else {
      ASSERT_TRUE(tested) << "no open before " << op;
      EXPECT_EQ(Call(*tested, r), Joined(want, " ")) << op;
    }
  }
}

TEST(FileScripts, Filnavn) { RunScript("files/filnavn.script"); }
TEST(FileScripts, FilAndTekstFil) { RunScript("files/fil.script"); }

}  // namespace
