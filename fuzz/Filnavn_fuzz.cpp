// Fuzz target for Filnavn: arbitrary names are split and joined, and their parts changed one at a
// time with arbitrary texts. After each step the name must split into parts that make it up
// (path + name + extension is the full name, the drive is the path's beginning up to its first
// ':', the name and the extension hold no separator), every accessor must answer those parts, and
// joining the parts again must give the name back.
//
// Joining gives the name back with one exception, which the class makes on purpose: a path that
// ends in '\' or '/' loses that separator before an empty name ("C:\data\" joins to "C:\data", and
// "C:\x\.txt" to "C:\x.txt"). The drive needs no exception: Splitt takes it from the path, and
// SettSammen puts it back in place of the path's own.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "kx/files/Filnavn.h"

namespace {

using kx::fuzz::Input;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string TextOf(const Streng* s) { return s != nullptr ? s->Get() : ""; }

// The path without a drive prefix (up to and including its first ':').
std::string WithoutDrive(const std::string& path) {
  const std::size_t colon = path.find(':');
  return colon == std::string::npos ? path : path.substr(colon + 1);
}

// What joining the parts gives: a separator between a path and a name (none after a ':'), none
// at the end of a path before an empty name, and the drive in place of the path's own.
bool JoinedAsExpected(const std::string& joined, const std::string& d, std::string p,
                      const std::string& n, const std::string& e) {
  if (!p.empty() && IsSeparator(p.back())) {
    if (n.empty()) p.pop_back();
  } else if (!p.empty() && !n.empty() && p.back() != ':') {
    const std::string head = d + WithoutDrive(p);
    return joined.size() == head.size() + 1 + n.size() + e.size() &&
           joined.compare(0, head.size(), head) == 0 && IsSeparator(joined[head.size()]) &&
           joined.compare(head.size() + 1, std::string::npos, n + e) == 0;
  }
  return joined == d + WithoutDrive(p) + n + e;
}

// Splits the name and checks the parts, the accessors and the way back.
void CheckName(Filnavn& f) {
  const std::string full = f.Get();
  Streng drive, path, name, ext;
  KX_CHECK(f.Splitt(&drive, &path, &name, &ext) == 1);
  const std::string d = drive.Get(), p = path.Get(), n = name.Get(), e = ext.Get();
  KX_CHECK(p + n + e == full);
  KX_CHECK(p.compare(0, d.size(), d) == 0);
  KX_CHECK(d.empty() || (d.back() == ':' && d.find(':') == d.size() - 1));
  KX_CHECK(!d.empty() || p.find(':') == std::string::npos);
  KX_CHECK(p.empty() || IsSeparator(p.back()) || p.back() == ':');
  for (std::size_t i = 0; i < n.size(); ++i) {
    // A separator at the very start of the name belongs to it (when there is no path).
    KX_CHECK(!(IsSeparator(n[i]) || n[i] == ':') || (i == 0 && p.empty()));
  }
  KX_CHECK(e.empty() || (e[0] == '.' && e.find('.', 1) == std::string::npos &&
                         e.find_first_of("\\/") == std::string::npos));

  KX_CHECK(TextOf(f.Drive()) == d && TextOf(f.Navn()) == n && TextOf(f.Ext()) == e);
  const std::string shown = TextOf(f.Path());
  KX_CHECK(shown == (!p.empty() && IsSeparator(p.back()) ? p.substr(0, p.size() - 1) : p));
  KX_CHECK(TextOf(f.NavnExt()) == n + e);
  KX_CHECK(TextOf(f.PathNavnUtenExt()) == p + n);
  KX_CHECK(full == f.Get());

  Filnavn joined;
  KX_CHECK(joined.SettSammen(&drive, &path, &name, &ext) == 1);
  const bool dropsSeparator = n.empty() && !p.empty() && IsSeparator(p.back());
  if (dropsSeparator) {
    KX_CHECK(joined.Get() == p.substr(0, p.size() - 1) + e);
  } else {
    KX_CHECK(joined.Get() == full);
  }
}

// A name made mostly of the characters that matter to splitting.
std::string Name(Input& in) {
  std::string text = in.TextOf("\\/:.aB\\/:.x", 40, 176);
  if (in.Small(16) == 0) text.append(static_cast<std::size_t>(in.Small(2000)), 'n');  // long
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::Quiet();
  const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  Input in(data, size);
  Filnavn f(Name(in).c_str());
  for (int steps = 0; in.More() && steps < 300; ++steps) {
    CheckName(f);
    const std::string before = f.Get();
    const std::string text = Name(in);
    Streng part;
    part = text.c_str();
    const int op = in.Small(10);
    if (trace)
      std::fprintf(stderr, "op %d on \"%s\" with \"%s\"\n", op, before.c_str(), text.c_str());
    Streng d, p, n, e;
    f.Splitt(&d, &p, &n, &e);
    Filnavn expected;
    switch (op) {
      case 0:
        f = Filnavn(text.c_str());
        break;
      case 1:  // a part set: the name is rebuilt from the parts, as SettSammen joins them
        KX_CHECK(TextOf(f.Drive(&part)) == text);
        expected.SettSammen(&part, &p, &n, &e);
        KX_CHECK(std::string(f.Get()) == expected.Get());
        break;
      case 2: {
        const std::string shown = TextOf(f.Path(&part));
        KX_CHECK(
            shown ==
            (!text.empty() && IsSeparator(text.back()) ? text.substr(0, text.size() - 1) : text));
        expected.SettSammen(&d, &part, &n, &e);
        KX_CHECK(std::string(f.Get()) == expected.Get());
        break;
      }
      case 3: {
        KX_CHECK(TextOf(f.Navn(&part)) == text);
        Streng none;
        expected.SettSammen(&d, &p, &part, text.empty() ? &none : &e);
        KX_CHECK(std::string(f.Get()) == expected.Get());
        break;
      }
      case 4: {
        const std::string set = !text.empty() && text[0] != '.' ? "." + text : text;
        KX_CHECK(TextOf(in.Small(2) == 0 ? f.Ext(&part) : f.Ext(text.c_str())) == set);
        Streng newExt;
        newExt = set.c_str();
        expected.SettSammen(&d, &p, &n, &newExt);
        KX_CHECK(std::string(f.Get()) == expected.Get());
        break;
      }
      case 5:
        f.NavnExt(&part);
        KX_CHECK(std::string(f.Get()) == TextOf(&d) + WithoutDrive(TextOf(&p)) + text);
        break;
      case 6: {  // joining arbitrary parts, some of them missing
        Streng parts[4];
        Streng* given[4];
        for (int k = 0; k < 4; ++k) {
          parts[k] = k == 0 ? text.c_str() : Name(in).c_str();
          given[k] = in.Small(6) == 0 ? nullptr : &parts[k];
        }
        KX_CHECK(f.SettSammen(given[0], given[1], given[2], given[3]) == 1);
        KX_CHECK(JoinedAsExpected(f.Get(), TextOf(given[0]), TextOf(given[1]), TextOf(given[2]),
                                  TextOf(given[3])));
        break;
      }
      case 7: {  // copies are independent and split alike
        Filnavn copy(f);
        KX_CHECK(std::string(copy.Get()) == before);
        copy.Navn(&part);
        Filnavn assigned;
        assigned = f;
        KX_CHECK(std::string(assigned.Get()) == before && std::string(f.Get()) == before);
        CheckName(copy);
        CheckName(assigned);
        break;
      }
      case 8:
        f.FilenFinnes(0);  // only looks; never creates or removes anything
        KX_CHECK(std::string(f.Get()) == before);
        break;
      default:  // the full name edited as a text: the parts follow it
        f.Insert(text.c_str(), in.Position(f.Lengde()));
        break;
    }
  }
  CheckName(f);
  return 0;
}
