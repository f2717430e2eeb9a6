// Fuzz target for Streng: the input is a sequence of editing, searching, copying, case and
// code-page operations on two texts, with texts, positions and counts taken from the input, the
// texts sometimes pointing into the object itself. After each step both texts must hold no NUL
// (Lengde() is strlen(Get())), and what each operation promises about the length, the result and
// the characters it touched must hold. The sanitizers see reads and writes outside the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "kx/text/Streng.h"

namespace {

using kx::fuzz::Input;

// Texts grow to about this length at most and are cut back beyond it, so that a sequence of
// appends and replacements cannot make one input take seconds.
constexpr int kLongest = 1 << 14;

void CheckText(const Streng& s) {
  const char* text = s.Get();
  KX_CHECK(s.Lengde() >= 0);
  KX_CHECK(std::strlen(text) == static_cast<std::size_t>(s.Lengde()));
  KX_CHECK(s.GetString() == text && s.GetLength() == s.Lengde());
}

std::size_t Count(const std::string& text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

bool HasLowerAscii(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

class Harness {
 public:
  void Step(Input& in) {
    Streng& s = text_[in.Small(2)];
    Streng& other = &s == &text_[0] ? text_[1] : text_[0];
    const std::string before = s.Get();
    const int length = s.Lengde();
    // The argument text: from the input, or a part of either text itself (aliasing).
    std::string argument;
    const char* arg;
    switch (in.Small(4)) {
      case 0:
        arg = s.GetFra(in.Position(length));
        break;
      case 1:
        arg = other.GetFra(in.Position(other.Lengde()));
        break;
      default:
        argument = in.Text(in.Small(8) == 0 ? 700 : 24);
        arg = argument.c_str();
        break;
    }
    const std::string argText = arg;  // arg may change with the text it points into
    const int pos = in.Position(length), count = in.Position(length);
    const int op = in.Small(26);
    if (trace_) {
      std::fprintf(stderr, "op %d on %d (length %d), pos %d, count %d, argument %zu bytes\n", op,
                   &s == &text_[0] ? 0 : 1, length, pos, count, argText.size());
    }
    switch (op) {
      case 0: {
        if (length + static_cast<int>(argText.size()) > kLongest) break;
        s.Insert(arg, pos);
        const std::size_t at = static_cast<std::size_t>(std::clamp(pos, 0, length));
        KX_CHECK(std::string(s.Get()) == before.substr(0, at) + argText + before.substr(at));
        break;
      }
      case 1: {
        const char c = static_cast<char>(in.Byte());
        if (in.Small(2) == 0) {
          s.Insert(c, pos);
        } else {
          s.Add(c);
        }
        KX_CHECK(s.Lengde() == length + (c != '\0' ? 1 : 0));
        break;
      }
      case 2:
        if (length + static_cast<int>(argText.size()) > kLongest) break;
        s.Add(arg);
        KX_CHECK(std::string(s.Get()) == before + argText);
        break;
      case 3:
        s.Delete(pos);
        KX_CHECK(s.Lengde() == (length > 0 && pos < length ? length - 1 : length));
        break;
      case 4: {
        const bool toEnd = in.Small(3) == 0;
        const int to = toEnd ? 9999 : count;
        const int result = toEnd ? s.SlettFra(pos) : s.SlettFraTil(pos, to);
        const int from = pos == 9999 || pos < 0 ? 0 : pos;
        std::string expected = before;
        if (from <= to && from < length) {
          expected.erase(static_cast<std::size_t>(from),
                         static_cast<std::size_t>(std::min<long long>(
                             static_cast<long long>(to) - from + 1, length - from)));
        }
        KX_CHECK(std::string(s.Get()) == expected);
        KX_CHECK(result == (toEnd || length == 0 || from <= to ? 1 : 0));
        break;
      }
      case 5: {
        const int kept = s.SlettTil(pos);
        KX_CHECK(kept == 1 && s.Lengde() <= length);
        break;
      }
      case 6:
        s.Set(arg, pos);
        if (pos >= 0 && pos < length) {
          KX_CHECK(s.Lengde() == length);
          const std::size_t n = std::min(argText.size(), static_cast<std::size_t>(length - pos));
          KX_CHECK(std::memcmp(s.Get() + pos, argText.data(), n) == 0);
        } else {
          KX_CHECK(std::string(s.Get()) == argText);
        }
        break;
      case 7: {
        const char c = static_cast<char>(in.Byte());
        s.Set(c, pos);
        if (pos >= 0 && pos < length) {
          KX_CHECK(s.Lengde() == (c == '\0' ? pos : length));
        } else {
          KX_CHECK(s.Lengde() == length);
        }
        break;
      }
      case 8: {
        const bool own = arg == s.Get();
        const int result = s.CopyFrom(arg, count, pos);
        if (own) {  // the object's own buffer is refused
          KX_CHECK(result == 0 && std::string(s.Get()) == before);
          break;
        }
        const std::size_t start = static_cast<std::size_t>(std::max(pos, 0));
        if (argText.empty() || count == 0) {
          KX_CHECK(result == 1 && s.Lengde() == 0);
        } else if (start >= argText.size()) {
          KX_CHECK(result == 0 && std::string(s.Get()) == before);
        } else {
          const std::size_t n = count < 0 ? std::string::npos : static_cast<std::size_t>(count);
          KX_CHECK(result == 1 && std::string(s.Get()) == argText.substr(start, n));
        }
        break;
      }
      case 9: {  // copy out into the other text, or into a buffer exactly as large as promised
        if (in.Small(2) == 0) {
          const std::string otherBefore = other.Get();
          if (s.KopiN(&other, count, pos) == 1) {
            const std::size_t start = static_cast<std::size_t>(std::max(pos, 0));
            KX_CHECK(std::string(other.Get()) ==
                     before.substr(start, static_cast<std::size_t>(count)));
          } else {
            KX_CHECK(std::string(other.Get()) == otherBefore);
          }
        } else if (count >= 1 && pos <= length) {
          const int start = std::max(pos, 0);
          const int n = std::min(count, length - start);
          std::vector<char> buffer(static_cast<std::size_t>(n) + 1, '\x7f');
          KX_CHECK(s.KopiN(buffer.data(), count, pos) == 1);
          KX_CHECK(std::string(buffer.data()) ==
                   before.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
        } else {
          char buffer[1] = {'\x7f'};
          KX_CHECK(s.KopiN(buffer, count, pos) == 0 && buffer[0] == '\x7f');
        }
        break;
      }
      case 10: {  // a negative start copies count - start + 1 characters from the first one
        const bool cut = in.Small(2) == 0;
        std::unique_ptr<Streng> copy(cut ? s.TaUtKopi(pos, count) : s.Kopi(pos, count));
        const int from = pos == 9999 ? 0 : pos, start = std::max(from, 0);
        KX_CHECK((copy != nullptr) == (from < count && start < length));
        if (copy == nullptr) {
          KX_CHECK(std::string(s.Get()) == before);
          break;
        }
        CheckText(*copy);
        const long long n = static_cast<long long>(count) - from + 1;
        KX_CHECK(std::string(copy->Get()) ==
                 before.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
        if (cut) {
          // SlettFraTil takes the negative start as 0, so it may remove less, or nothing.
          const long long removed =
              count < start
                  ? 0
                  : std::min<long long>(static_cast<long long>(count) - start + 1, length - start);
          KX_CHECK(s.Lengde() == length - removed);
        }
        break;
      }
      case 11: {
        const int nth = in.Small(6) - 1;
        const int at = s.HvorEr(arg, nth);
        if (nth < 1) {
          KX_CHECK(at == -2);
        } else if (at >= 0) {
          KX_CHECK(!argText.empty() &&
                   before.compare(static_cast<std::size_t>(at), argText.size(), argText) == 0);
        } else {
          KX_CHECK(at == -1);
        }
        break;
      }
      case 12: {
        const bool caseLess = in.Small(2) == 0;
        const int n = in.Small(4) == 0 ? 0 : count;
        const int result = caseLess ? s.CaseLik(arg, n, pos) : s.Lik(arg, n, pos);
        if (!caseLess && n < 1) KX_CHECK(result == (before == argText ? 1 : 0));
        if (!caseLess && n >= 1 && result == 1) {
          KX_CHECK(before.compare(static_cast<std::size_t>(std::max(pos, 0)),
                                  static_cast<std::size_t>(n), argText) == 0);
        }
        if (result == 0) KX_CHECK(s.ErrorKode(-9999) != 0);
        KX_CHECK(std::string(s.Get()) == before);
        break;
      }
      case 13: {
        const char a = static_cast<char>(in.Byte()), b = static_cast<char>(in.Byte());
        const int replaced = s.ByttAlleAmedB(a, b);
        if (a == '\0') {
          KX_CHECK(replaced == 0);
        } else {
          KX_CHECK(replaced == static_cast<int>(Count(before, a)));
          KX_CHECK(s.Lengde() == (b == '\0' ? length - replaced : length));
        }
        break;
      }
      case 14: {
        const std::string b = in.Text(in.Small(4) == 0 ? 200 : 6);
        const char* to = in.Small(8) == 0 ? nullptr : b.c_str();
        const long long grow = static_cast<long long>(to != nullptr ? std::strlen(to) : 0) -
                               static_cast<long long>(argText.size());
        if (!argText.empty() && grow * length > kLongest) break;
        const int replaced = s.ByttAlleAmedB(arg, to);
        KX_CHECK(replaced >= 0 && (replaced == 0 || !argText.empty()));
        KX_CHECK(s.Lengde() == length + replaced * grow);
        if (replaced == 0) KX_CHECK(std::string(s.Get()) == before);
        break;
      }
      case 15: {
        const int wanted = std::min(count, length + 4096);
        const int result = s.FyllBlankeTilLengdeEr(wanted, in.Small(2));
        KX_CHECK(result == (wanted > length ? 1 : 0));
        KX_CHECK(s.Lengde() == std::max(wanted, length));
        break;
      }
      case 16:
        if (in.Small(2) == 0) {
          const int left = in.Small(3), right = in.Small(3);
          KX_CHECK(s.FjernBlanke(left, right) == 1 && s.Lengde() <= length);
        } else {
          const int removed = s.FjernAlleBlanke();
          KX_CHECK(removed == static_cast<int>(Count(before, ' ')) &&
                   s.Lengde() == length - removed);
        }
        break;
      case 17:
        if (in.Small(2) == 0) {
          KX_CHECK(s.UpStr(nullptr) == s.Get());
          KX_CHECK(s.Lengde() == length && !HasLowerAscii(s.Get()));
        } else {
          std::string copy = argText;
          KX_CHECK(s.UpStr(copy.data()) == copy.data());
          KX_CHECK(copy.size() == argText.size() && !HasLowerAscii(copy));
          KX_CHECK(std::string(s.Get()) == before);
        }
        break;
      case 18: {
        Streng* target = in.Small(2) == 0 ? nullptr : &other;
        const std::string otherBefore = other.Get();
        const int mode = in.Small(5);
        const int maxLength = in.Small(2) == 0 ? in.Small(length + 2) : count;
        const int result = s.MakeShorter(maxLength, mode, target);
        const Streng& out = target != nullptr ? other : s;
        const std::string kept = target != nullptr ? otherBefore : before;
        if (length <= maxLength || mode == 3 || result == 0) {
          KX_CHECK(std::string(out.Get()) == kept);
        } else if (mode == 1) {
          const int tail = std::max(maxLength - 3, 0);
          KX_CHECK(std::string(out.Get()) ==
                   "..." + before.substr(static_cast<std::size_t>(length - tail)));
        } else if (mode == 2) {
          KX_CHECK(out.Lengde() == std::min(length, 3) + 3 + std::max(maxLength - 6, 0));
        }
        if (target != nullptr) KX_CHECK(std::string(s.Get()) == before);
        break;
      }
      case 19: {
        const int mode = in.Small(6);
        const std::string table = in.Text(8);
        const char* from = in.Small(8) == 0 ? nullptr : arg;
        const char* to = in.Small(8) == 0 ? nullptr : table.c_str();
        const int result = s.Convert(mode, from, to);
        if (mode != 4) KX_CHECK(s.Lengde() == length);
        if (length == 0) KX_CHECK(result == 0);
        break;
      }
      case 20:
        switch (in.Small(4)) {
          case 0:
            s.Init("%s", arg);
            KX_CHECK(std::string(s.Get()) == argText.substr(0, 511));
            break;
          case 1:
            s.Init(&other);
            KX_CHECK(std::string(s.Get()) == other.Get());
            break;
          case 2:
            s.Empty();
            KX_CHECK(s.Lengde() == 0);
            break;
          default:
            s = arg;
            KX_CHECK(std::string(s.Get()) == argText);
            break;
        }
        break;
      case 21: {  // reading: nothing changes
        const char c = s.Get(pos);
        KX_CHECK(length == 0 ? c == '\0' : before.find(c) != std::string::npos);
        const char* tail = s.GetFra(pos);
        KX_CHECK(std::strlen(tail) <= static_cast<std::size_t>(length));
        KX_CHECK(before.compare(before.size() - std::strlen(tail), std::string::npos, tail) == 0);
        const char mark = static_cast<char>(in.Byte());
        KX_CHECK(s.LengdeUten(mark) == length - static_cast<int>(Count(before, mark)));
        KX_CHECK(s.AntallLinjer() == 1 + static_cast<int>(Count(before, '\n')));
        KX_CHECK(s.LengsteLinje() <= length);
        s.GetForsteUth();
        KX_CHECK(std::string(s.Get()) == before);
        break;
      }
      case 22: {  // the plain string operations
        const int found = s.Find(arg, pos);
        if (found >= 0)
          KX_CHECK(before.compare(static_cast<std::size_t>(found), argText.size(), argText) == 0);
        const char c = static_cast<char>(in.Byte());
        const int last = s.ReverseFind(c);
        KX_CHECK(last == -1 || (c != '\0' && s.Get()[last] == c));
        CheckText(s.Mid(pos, count));
        CheckText(s.Left(pos));
        CheckText(s.Right(count));
        KX_CHECK(s.Compare(arg) == 0 ? before == argText : before != argText);
        break;
      }
      case 23: {
        switch (in.Small(5)) {
          case 0: {
            const char a = static_cast<char>(in.Byte()), b = static_cast<char>(in.Byte());
            s.Replace(a, b);
            break;
          }
          case 1:
            s.Remove(static_cast<char>(in.Byte()));
            break;
          case 2:
            s.Trim();
            break;
          case 3:
            s.MakeLower();
            break;
          default:
            if (length + static_cast<int>(argText.size()) <= kLongest) s += arg;
            break;
        }
        break;
      }
      case 24: {  // writing through the buffer, then taking the new length
        const int room = std::min(std::max(count, 0), length + 64);
        char* buffer = s.GetBuffer(room);
        const int write = std::min(in.Small(8), std::max(room, length));
        for (int k = 0; k < write; ++k) buffer[k] = static_cast<char>(in.Byte());
        s.ReleaseBuffer(in.Small(3) == 0 ? in.Position(room) : -1);
        break;
      }
      default:  // copy the other text, keeping both independent
        if (in.Small(2) == 0) {
          s = other;
        } else {
          Streng copy(s);
          CheckText(copy);
        }
        break;
    }
    if (s.Lengde() > kLongest) s.SlettFra(kLongest);
    CheckText(text_[0]);
    CheckText(text_[1]);
  }

 private:
  Streng text_[2];
  const bool trace_ = std::getenv("KX_FUZZ_TRACE") != nullptr;  // the operations, on stderr
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kx::fuzz::RunSteps<Harness>(data, size, 1000);
}
