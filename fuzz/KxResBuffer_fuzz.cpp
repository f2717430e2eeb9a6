// Fuzz target for KxResBuffer: the input is a sequence of operations on two buffers (add, insert,
// delete, move, link, copy, set, get, change codes, measure, show, release), each followed by a
// check of both chains: first, last and the link mark agree with the records, the count is right,
// no record is reachable twice, a buffer's own records belong to no other buffer, and borrowed
// records are the owner's. The sanitizers see the rest: a borrowed record released by the buffer
// that borrows it, a text released twice or lost, a read past a record.
//
// The target behaves as a careful caller: it never hands one chain to two owners, and before it
// changes which records a buffer holds it makes the other buffer drop what it borrows from it, as
// the class asks of its callers.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>

#include "FuzzInput.h"
#include "kx/kx.h"

namespace {

using kx::fuzz::Input;

// A restype: mostly the interesting ones, sometimes any 16-bit code.
short Code(Input& in) {
  static const short kCodes[] = {-3,   -2,   -1,   0,    1,    5,    9,    10,   17,   18,   38,
                                 40,   59,   60,   70,   79,   90,   99,   100,  102,  103,  110,
                                 140,  170,  210,  280,  300,  309,  310,  320,  369,  370,  410,
                                 1000, 1003, 1004, 1005, 1006, 1010, 1021, 1031, 1040, 1070, 1071,
                                 5001, 5002, 5003, 5004, 5005, 5006, 5009, 5010, 5021};
  const unsigned pick = in.Byte();
  constexpr unsigned kCount = sizeof kCodes / sizeof kCodes[0];
  return pick < 4 * kCount ? kCodes[pick % kCount] : static_cast<short>(in.Int());
}

// The text codes, written out here on their own so that the check does not trust the library.
bool IsTextCode(short c) {
  return (c >= 0 && c <= 9) || (c >= 100 && c <= 102) || (c >= 300 && c <= 309) ||
         (c >= 1000 && c <= 1003) || c == 1005 || c == 5005;
}

// A chain of one to three records as a host hands one over, texts included.
resbuf* NewChain(Input& in) {
  resbuf* first = nullptr;
  resbuf** link = &first;
  for (int n = 1 + in.Small(3); n > 0; --n) {
    resbuf* rec = WINKMR00_newrb(Code(in));
    if (IsTextCode(rec->restype)) {
      rec->resval.rstring = KMR00_strdup(in.Text().c_str());
    } else {
      rec->resval.rpoint[0] = in.Real();
      rec->resval.rlname[1] = in.Int();
    }
    *link = rec;
    link = &rec->rbnext;
  }
  return first;
}

// Releases a chain that no buffer took, with every text.
void ReleaseChain(resbuf* chain) {
  for (resbuf* rec = chain; rec != nullptr; rec = rec->rbnext) {
    if (IsTextCode(rec->restype)) KMR00_free(rec->resval.rstring), rec->resval.rstring = nullptr;
  }
  WINKMR00_relrb(chain);
}

class Harness {
 public:
  Harness() {
    for (Slot& s : slot_) s = Slot{new KxResBuffer, -1};
  }
  ~Harness() {
    for (int x = 0; x < 2; ++x) Destroy(x);
  }

  void Step(Input& in) {
    const int x = in.Small(2), y = 1 - x;
    KxResBuffer& a = *slot_[x].rb;
    KxResBuffer& b = *slot_[y].rb;
    const int n = a.Lengde();
    auto record = [&](KxResBuffer& rb) {  // a record of rb, or null
      return rb.Get(static_cast<unsigned short>(in.Small(rb.Lengde() + 2)));
    };
    const int op = in.Small(20);
    if (trace_) {
      std::fprintf(stderr, "op %d on %d (%zu, %zu records; from %d, %d)\n", op, x, Count(0),
                   Count(1), slot_[0].from, slot_[1].from);
    }
    switch (op) {
      case 0: {  // add a value
        Drop(x);
        const short code = Code(in);
        const int kind = in.Small(10);
        const std::string text = in.Text();
        const double real = in.Real(), xyz[3] = {real, -real, in.Real()};
        const int whole = in.Int();
        const long name[2] = {whole, ~whole};
        const DT_Double d(real);
        const DT_Punkt p(xyz);
        const DT_Int i(whole);
        const DT_Longint l(whole);
        const Streng s(nullptr);
        int result;
        switch (kind) {
          case 0:
            result = a.Add(code, real);
            break;
          case 1:
            result = a.Add(code, &d);
            break;
          case 2:
            result = a.Add(code, xyz);
            break;
          case 3:
            result = a.Add(code, &p);
            break;
          case 4:
            result = a.Add(code, whole);
            break;
          case 5:
            result = a.Add(code, &i);
            break;
          case 6:
            result = a.Add(code, text.c_str());
            break;
          case 7:
            result = a.Add(code, &s);
            break;
          case 8:
            result = a.Add(code, name);
            break;
          default:
            result = a.Add(code, &l);
            break;
        }
        const bool text_kind = kind == 6 || kind == 7;
        KX_CHECK(result == (slot_[x].from < 0 && IsTextCode(code) == text_kind ? 1 : 0));
        if (result == 1) {
          const resbuf* last = a.Get(0);
          KX_CHECK(last->restype == code);
          if (kind == 0) KX_CHECK(std::memcmp(&last->resval.rreal, &real, sizeof real) == 0);
          if (kind == 6) KX_CHECK(std::strcmp(last->resval.rstring, text.c_str()) == 0);
          if (kind == 7) KX_CHECK(last->resval.rstring[0] == '\0');
          if (kind == 4) KX_CHECK(last->resval.rint == static_cast<short>(whole));
          if (kind == 9) KX_CHECK(last->resval.rlong == whole);
        }
        break;
      }
      case 1: {  // add a marker, or a chain the target made
        Drop(x);
        if (in.Small(2) == 0) {
          KX_CHECK(a.Add(Code(in)) == (slot_[x].from >= 0 ? 0 : 1));
        } else {
          resbuf* chain = NewChain(in);
          const int result = a.Add(chain);
          KX_CHECK(result == (slot_[x].from >= 0 ? 0 : 1));
          if (result == 0) ReleaseChain(chain);
        }
        break;
      }
      case 2: {  // records the buffer already holds are refused
        resbuf* own = a.Get(static_cast<unsigned short>(in.Small(n + 1)));
        if (own != nullptr) KX_CHECK(a.Add(own) == 0 && a.AddLink(own) == 0);
        KX_CHECK(a.Add(&a, 0) == 0);
        break;
      }
      case 3: {  // move the other buffer's records here
        Drop(x), Drop(y);
        const int deleteOther = in.Small(2);
        const bool empty = b.Lengde() == 0;
        const int result = a.Add(&b, deleteOther);
        KX_CHECK(result == (slot_[y].from >= 0 ? 0 : empty ? 1 : slot_[x].from >= 0 ? 0 : 1));
        if (result == 1 && deleteOther != 0) slot_[y] = Slot{new KxResBuffer, -1};
        break;
      }
      case 4: {  // insert
        Drop(x);
        static const int kTypes[] = {RTREAL, RTPOINT, RTSHORT, RTSTR, RT3DPOINT,
                                     RTLONG, -1,      -3,      7,     RTT};
        const int type = kTypes[in.Small(10)];
        const double xyz[3] = {in.Real(), in.Real(), in.Real()};
        DT_Double d(xyz[0]);
        DT_Punkt p(xyz);
        DT_Int i(in.Int());
        DT_Longint l(in.Int());
        Streng s;
        s = in.Text().c_str();
        HovedObjekt* values[] = {nullptr, &d, &p, &i, &l, &s};
        HovedObjekt* value = values[in.Small(6)];
        const short code = Code(in);
        a.InsertElement(type, value, code, in.Small(n + 3) - 1);
        break;
      }
      case 5: {
        Drop(x);
        const short code = Code(in);
        a.Delete(code, in.Small(4) - 1);
        break;
      }
      case 6:
        Drop(x);
        a.DeleteElement(in.Small(n + 3) - 1);
        break;
      case 7: {  // release from a record of either buffer, or all
        Drop(x);
        const int result = a.SlettListen(in.Small(2) == 0 ? record(a) : record(b));
        KX_CHECK(result == (n > 0 ? 1 : 0));
        slot_[x].from = -1;
        break;
      }
      case 8: {                                // copy
        if (Count(x) + Count(y) > 400) break;  // copies double: keep the chains small
        Drop(x);
        switch (in.Small(4)) {
          case 0:
            a.AddCopyOf(&a);
            break;
          case 1:
            a.AddCopyOf(&b);
            break;
          case 2:
            a.AddCopyOf(record(a));
            break;
          default:
            a.AddCopyOf(record(b));
            break;
        }
        break;
      }
      case 9: {  // link the other buffer's records
        Drop(x);
        const bool whole = in.Small(2) == 0;
        resbuf* chain = whole ? b.Get(1) : record(b);
        const int result = whole ? a.AddLink(&b) : a.AddLink(chain);
        KX_CHECK(result == (chain != nullptr && slot_[x].from < 0 ? 1 : 0));
        if (result == 1) slot_[x].from = y;
        break;
      }
      case 10: {  // search, linking what is found into the other buffer (or into itself)
        KxResBuffer* found = nullptr;
        int target = in.Small(3);
        if (target == 1) found = &b;
        if (target == 2) found = &a;
        if (found != nullptr) Drop(target == 1 ? y : x);
        const resbuf* lastBefore = found != nullptr ? found->Get(0) : nullptr;
        Streng s;
        s = in.Text().c_str();
        const short code = Code(in);
        if (in.Small(2) == 0) {
          a.Exist(code, found);
        } else {
          a.Exist(code, &s, in.Small(4), found);
        }
        if (found == &a) KX_CHECK(a.Get(0) == lastBefore);  // never linked into itself
        if (found == &b && b.Get(0) != lastBefore) slot_[y].from = x;
        break;
      }
      case 11: {  // set
        const int occurrence = in.Small(4) - 1, add = in.Small(2);
        if (add != 0) Drop(x);
        const short code = Code(in);
        const DT_Double d(in.Real());
        const DT_Punkt p(in.Real(), 0.5, -0.5);
        const DT_Int i(in.Int());
        const DT_Longint l(in.Int());
        const std::string text = in.Text();
        const long name[2] = {in.Int(), in.Int()};
        switch (in.Small(6)) {  // the point has its own form only
          case 0:
            a.Set(code, &d, occurrence, add);
            break;
          case 1:
            a.Set(code, &p, occurrence, add);
            break;
          case 2:
            a.Set(code, &i, occurrence, add);
            break;
          case 3:
            a.Set(code, text.c_str(), occurrence, add);
            break;
          case 4:
            a.Set(code, name, occurrence, add);
            break;
          default:
            a.Set(code, &l, occurrence, add);
            break;
        }
        break;
      }
      case 12: {  // get
        const short code = Code(in);
        const int occurrence = in.Small(4) - 1;
        DT_Double d;
        DT_Punkt p;
        DT_Int i;
        DT_Longint l;
        Streng s;
        long name[2];
        a.Get(code, &d, occurrence), a.Get(code, &p, occurrence), a.Get(code, &i, occurrence);
        a.Get(code, &l, occurrence), a.Get(code, &s, occurrence), a.Get(code, name, occurrence);
        break;
      }
      case 13: {  // change codes, in place
        const short from = in.Small(4) == 0 ? -999 : Code(in);
        const short to = in.Small(4) == 0 ? -1 : Code(in);
        resbuf* rec = in.Small(2) == 0 ? record(a) : record(b);
        if (in.Small(2) == 0) {
          a.ChangeCode(from, to, rec);
        } else {
          a.ChangeAllCodes(from, to, rec);
        }
        break;
      }
      case 14:
        a.ChangeDXFtoRTCodes();
        break;
      case 15: {
        const short code = Code(in), to = Code(in);
        const int occurrence = in.Small(4) - 1;
        a.ChangeType(code, to, occurrence, in.Small(2));
        break;
      }
      case 16: {
        int bytes = -1;
        resbuf* start = record(a);
        int* out = in.Small(8) == 0 ? nullptr : &bytes;
        const int align = in.Small(40) - 4;
        const int count = a.SizeInBytes(start, out, align, in.Small(2));
        KX_CHECK(count == 0 || bytes >= 0);
        break;
      }
      case 17: {
        Streng s;
        a.GetRbAsString(in.Small(n + 2), s, 0);
        if (in.Small(4) == 0) a.EditInDialog();
        break;
      }
      case 18: {  // release the buffer and start a new one
        Destroy(x);
        resbuf* chain = in.Small(2) == 0 ? nullptr : NewChain(in);
        const int autoSlett = in.Small(3);
        slot_[x] = Slot{new KxResBuffer(chain, autoSlett), -1};
        break;
      }
      default: {
        const int flag = in.Small(4) - 1;
        a.AutoSlett(flag);
        KX_CHECK(a.AutoSlett(-1) == 0 || a.AutoSlett(-1) == 1);
        break;
      }
    }
    Check();
  }

 private:
  struct Slot {
    KxResBuffer* rb;
    int from;  // the slot whose records this buffer borrows, or -1
  };

  // Before x's records change, the other buffer lets go of what it borrows from x.
  void Drop(int x) {
    Slot& other = slot_[1 - x];
    if (other.from == x) {
      KX_CHECK(other.rb->SlettListen(nullptr) == 1);
      other.from = -1;
    }
  }

  void Destroy(int x) {
    Drop(x);
    KxResBuffer* rb = slot_[x].rb;
    // A buffer told not to release its records leaves them to its caller (a view lets go).
    if (rb->AutoSlett(-1) == 0) rb->SlettListen(nullptr);
    delete rb;
    slot_[x] = Slot{nullptr, -1};
  }

  std::size_t Count(int x) {
    std::size_t count = 0;
    for (const resbuf* r = slot_[x].rb->Get(1); r != nullptr; r = r->rbnext) ++count;
    return count;
  }

  // The records of slot x in order; aborts on a chain that reaches a record twice.
  std::unordered_set<const resbuf*> Walk(int x, const resbuf** last, std::size_t* count) {
    std::unordered_set<const resbuf*> seen;
    *last = nullptr;
    *count = 0;
    for (const resbuf* r = slot_[x].rb->Get(1); r != nullptr; *last = r, r = r->rbnext) {
      KX_CHECK(seen.insert(r).second);
      ++*count;
      if (IsTextCode(r->restype) && r->resval.rstring != nullptr)
        (void)std::strlen(r->resval.rstring);
    }
    return seen;
  }

  void Check() {
    std::unordered_set<const resbuf*> records[2];
    for (int x = 0; x < 2; ++x) {
      KxResBuffer& rb = *slot_[x].rb;
      const resbuf* last;
      std::size_t count;
      records[x] = Walk(x, &last, &count);
      KX_CHECK(rb.Get(0) == last);
      KX_CHECK(rb.Lengde() == static_cast<unsigned short>(count));
      const resbuf* mark = rb.LinkMark();
      KX_CHECK(mark == nullptr || (records[x].count(mark) == 1 && mark->rbnext != nullptr));
      KX_CHECK(mark == nullptr || slot_[x].from >= 0);  // only a borrowing buffer has a mark
    }
    // Own records belong to one buffer; borrowed ones are the owner's records.
    for (int x = 0; x < 2; ++x) {
      const int from = slot_[x].from;
      const resbuf* mark = slot_[x].rb->LinkMark();
      bool borrowed = from >= 0 && mark == nullptr;  // a view borrows every record
      for (const resbuf* r = slot_[x].rb->Get(1); r != nullptr; r = r->rbnext) {
        KX_CHECK(records[1 - x].count(r) == (borrowed ? 1u : 0u) ||
                 (!borrowed && slot_[1 - x].from == x));
        if (r == mark) borrowed = true;
      }
    }
  }

  Slot slot_[2];
  const bool trace_ = std::getenv("KX_FUZZ_TRACE") != nullptr;  // the operations, on stderr
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kx::fuzz::RunSteps<Harness>(data, size, 2000);
}
