// A host program's classes derived from the library's, each redefining every virtual member with
// the signature a host writes (char*, non-const pointers, non-const members) and `override`: a
// signature that drifts stops this file from compiling. The test then checks that the library's
// own callers reach the redefinitions; what each call ran is in data/foundation/overrides.cases.

#include <gtest/gtest.h>

#include <string>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

std::string gSeen;  // the redefinitions that ran, in order, separated by spaces

template <typename R>
R Seen(const char* name, R result) {
  gSeen += (gSeen.empty() ? "" : " ") + std::string(name);
  return result;
}
#define KX_SEEN(Base, Name, ...) return Seen(#Name, Base::Name(__VA_ARGS__))

struct HostAPI : IO_Enhet {
  int API_MessageBox(char* t, char* title, long f) override { KX_SEEN(IO_Enhet, API_MessageBox, t, title, f); }
  int API_ErrorBox(char* t, char* title, long f) override { KX_SEEN(IO_Enhet, API_ErrorBox, t, title, f); }
  int API_Printf(char* t) override { KX_SEEN(IO_Enhet, API_Printf, t); }
  int API_GetStr(char* b) override { return Seen("API_GetStr", (b[0] = 0, 1)); }
  int API_FileDialog(int, char*, char*, char*, char*, unsigned long, char*, void*) override {
    return Seen("API_FileDialog", 0);
  }
  char* API_GetText(long n, char* b) override { KX_SEEN(IO_Enhet, API_GetText, n, b); }
  int API_PickPoint(double*, char*, double*, unsigned long) override {
    return Seen("API_PickPoint", 0);
  }
  int API_TranslatePoint(double*, int, int) override { return Seen("API_TranslatePoint", 0); }
  int KlasseType() const override { KX_SEEN(IO_Enhet, KlasseType); }
  char* KlasseNavn() const override { KX_SEEN(IO_Enhet, KlasseNavn); }
  char* GetTekstNr(long n, char* b) override { KX_SEEN(IO_Enhet, GetTekstNr, n, b); }
  int SkrivCharStreng(char*) override { return Seen("SkrivCharStreng", 0); }
  int SkrivDebugStreng(char* t) override { KX_SEEN(IO_Enhet, SkrivDebugStreng, t); }
  int LesCharStreng(char* b) override { KX_SEEN(IO_Enhet, LesCharStreng, b); }
  int LesTall(double* v) override { return Seen("LesTall(double)", (*v = 2.5, 1)); }
  int LesTall(float* v) override { return Seen("LesTall(float)", (*v = 1, 1)); }
  int LesTall(long* v) override { return Seen("LesTall(long)", (*v = 1, 1)); }
  int LesTall(int* v) override { return Seen("LesTall(int)", (*v = 7, 1)); }
  long DebugMode(long m) override { KX_SEEN(IO_Enhet, DebugMode, m); }
};

struct HostNumber : DT_Double {
  using DT_Double::DT_Double;
  // The roots' slots, once for the whole family.
  int ClassType(int t) override { KX_SEEN(DT_Double, ClassType, t); }
  char* ClassName() override { KX_SEEN(DT_Double, ClassName); }
  int Printf(char*, ...) override { return Seen("Printf", 0); }
  int MsgBox(long, char*, char*, ...) override { return Seen("MsgBox(flags)", 0); }
  int MsgBox(char* title, char* fmt, ...) override {
    KX_SEEN(DT_Double, MsgBox, title, const_cast<char*>("%s"), fmt);
  }
  int ErrBox(char*, char*, ...) override { return Seen("ErrBox", 0); }
  int ErrCode(int c) override { KX_SEEN(DT_Double, ErrCode, c); }
  KxBasicAPI* API(KxBasicAPI* a) override { KX_SEEN(DT_Double, API, a); }
  long SystemPlattform(long v) override { KX_SEEN(DT_Double, SystemPlattform, v); }
  int KlasseType() const override { KX_SEEN(DT_Double, KlasseType); }
  char* KlasseNavn() const override { KX_SEEN(DT_Double, KlasseNavn); }
  long DebugMode(long m) override { KX_SEEN(DT_Double, DebugMode, m); }
  char* GetTekstNr(long n, char* b) override { KX_SEEN(DT_Double, GetTekstNr, n, b); }
  int SkrivUtObj() override { KX_SEEN(DT_Double, SkrivUtObj); }
  int LesCharStreng(char* b) override { KX_SEEN(DT_Double, LesCharStreng, b); }
  void UtforEtterInit() override { Seen("UtforEtterInit", 0); }
  int Init(char* text) override { KX_SEEN(DT_Double, Init, text); }
  char* SomChar(char* fmt) override { KX_SEEN(DT_Double, SomChar, fmt); }
  int SnuFortegn(int d) override { KX_SEEN(DT_Double, SnuFortegn, d); }
  int Lik(DT_Double* o, double t) override { KX_SEEN(DT_Double, Lik, o, t); }
  int Lik(double x, double t) override { KX_SEEN(DT_Double, Lik, x, t); }
  int StorreEllerLik(DT_Double* o, double t) override { KX_SEEN(DT_Double, StorreEllerLik, o, t); }
  int StorreEllerLik(double x, double t) override { KX_SEEN(DT_Double, StorreEllerLik, x, t); }
  int MindreEllerLik(DT_Double* o, double t) override { KX_SEEN(DT_Double, MindreEllerLik, o, t); }
  int MindreEllerLik(double x, double t) override { KX_SEEN(DT_Double, MindreEllerLik, x, t); }
  int StorreEnn(DT_Double* o, double t) override { KX_SEEN(DT_Double, StorreEnn, o, t); }
  int StorreEnn(double x, double t) override { KX_SEEN(DT_Double, StorreEnn, x, t); }
  int MindreEnn(DT_Double* o, double t) override { KX_SEEN(DT_Double, MindreEnn, o, t); }
  int MindreEnn(double x, double t) override { KX_SEEN(DT_Double, MindreEnn, x, t); }
  int RundAv(double u, int m) override { KX_SEEN(DT_Double, RundAv, u, m); }
};

struct HostText : QP_Linjeidentitet {
  int Lik(char* s, int n, int start) override { KX_SEEN(QP_Linjeidentitet, Lik, s, n, start); }
  int CaseLik(char* s, int n, int start) override { KX_SEEN(QP_Linjeidentitet, CaseLik, s, n, start); }
  int Les(char* prompt, int showOld) override { KX_SEEN(QP_Linjeidentitet, Les, prompt, showOld); }
  int SetAktivIKALMO() override { KX_SEEN(QP_Linjeidentitet, SetAktivIKALMO); }
  int InitFraListe() override { KX_SEEN(QP_Linjeidentitet, InitFraListe); }
};

struct HostName : Filnavn {
  using Filnavn::Filnavn;
  Streng* Drive(Streng* d) override { KX_SEEN(Filnavn, Drive, d); }
  Streng* Path(Streng* p) override { KX_SEEN(Filnavn, Path, p); }
  Streng* Navn(Streng* n) override { KX_SEEN(Filnavn, Navn, n); }
  Streng* Ext(char* e) override { KX_SEEN(Filnavn, Ext, e); }
  Streng* Ext(Streng* e) override { KX_SEEN(Filnavn, Ext, e); }
  Streng* NavnExt(Streng* ne) override { KX_SEEN(Filnavn, NavnExt, ne); }
  Streng* PathNavnUtenExt() override { KX_SEEN(Filnavn, PathNavnUtenExt); }
  int Lovlig() override { KX_SEEN(Filnavn, Lovlig); }
  int Splitt(Streng* d, Streng* p, Streng* n, Streng* e) override {
    KX_SEEN(Filnavn, Splitt, d, p, n, e);
  }
  int SettSammen(Streng* d, Streng* p, Streng* n, Streng* e) override {
    KX_SEEN(Filnavn, SettSammen, d, p, n, e);
  }
  int InitUniktNavn(Streng*) override { return Seen("InitUniktNavn", 0); }
  int LesNavn(char* title, int f, char* e) override { KX_SEEN(Filnavn, LesNavn, title, f, e); }
};

struct HostFile : TekstFil {
  using TekstFil::TekstFil;
  unsigned char LukkOpp(char* mode) override { KX_SEEN(TekstFil, LukkOpp, mode); }
};

struct HostPoint : DT_Punkt {
  char* SomChar(char* fmt) override { KX_SEEN(DT_Punkt, SomChar, fmt); }
  int Init(double const xyz[3]) override { KX_SEEN(DT_Punkt, Init, xyz); }
  int Init(DT_Punkt* other) override { KX_SEEN(DT_Punkt, Init, other); }
  int Init(double x, double y, double z) override { KX_SEEN(DT_Punkt, Init, x, y, z); }
};

struct HostList : DT_PointList {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return Seen("SorterObj", 0); }
  int Insert(HovedObjekt* o, int i) override { KX_SEEN(DT_PointList, Insert, o, i); }
  int Insert(HovedObjekt* o, DT_Node* n) override { KX_SEEN(DT_PointList, Insert, o, n); }
  int Aktiver(int i) override { KX_SEEN(DT_PointList, Aktiver, i); }
  int Aktiver(DT_Node* n) override { KX_SEEN(DT_PointList, Aktiver, n); }
  int SlettAktiv() override { KX_SEEN(DT_PointList, SlettAktiv); }
  int SlettIndex(int i) override { KX_SEEN(DT_PointList, SlettIndex, i); }
  int SlettObjekt(HovedObjekt* o) override { KX_SEEN(DT_PointList, SlettObjekt, o); }
  void SlettAlleIListen(int d) override { Seen("SlettAlleIListen", 0), DT_PointList::SlettAlleIListen(d); }
  int EkstremalPunkter(DT_Double* a, DT_Double* b, DT_Double* c, DT_Double* d, DT_Double* e,
                       DT_Double* f) override {
    KX_SEEN(DT_PointList, EkstremalPunkter, a, b, c, d, e, f);
  }
  int Klipp(DT_Double* a, DT_Double* b, DT_Double* c, DT_Double* d) override {
    KX_SEEN(DT_PointList, Klipp, a, b, c, d);
  }
  int InterpolerMHP_X(DT_Punkt* o, DT_Punkt* a, DT_Punkt* b, DT_Double* x) override {
    KX_SEEN(DT_PointList, InterpolerMHP_X, o, a, b, x);
  }
  int InterpolerMHP_X(DT_Punkt* o, DT_Double* x) override { KX_SEEN(DT_PointList, InterpolerMHP_X, o, x); }
  int InterpolerMHP_Y(DT_Punkt* o, DT_Punkt* a, DT_Punkt* b, DT_Double* y) override {
    KX_SEEN(DT_PointList, InterpolerMHP_Y, o, a, b, y);
  }
  int InterpolerMHP_Y(DT_Punkt* o, DT_Double* y) override { KX_SEEN(DT_PointList, InterpolerMHP_Y, o, y); }
};

struct HostStrings : StrengListe {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return Seen("SorterObj", 0); }
  int SkrivUtObj() override { KX_SEEN(StrengListe, SkrivUtObj); }
  int LeggTilStreng(char* t) override { KX_SEEN(StrengListe, LeggTilStreng, t); }
};

struct HostInts : DT_IntListe {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return Seen("SorterObj(int)", 0); }
};

struct HostDoubles : DT_DoubleListe {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return Seen("SorterObj(double)", 0); }
};

struct HostReals : AdsRealListe {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return Seen("SorterObj(real)", 0); }
  int LeggTilReal(double v) override { KX_SEEN(AdsRealListe, LeggTilReal, v); }
};

struct HostResBuffer : KxResBuffer {
  int EditInDialog(char* s) override { KX_SEEN(KxResBuffer, EditInDialog, s); }

 protected:
  int AddResBuffer(resbuf* chain) override { KX_SEEN(KxResBuffer, AddResBuffer, chain); }
};

TEST(HostOverrides, TheLibrarysCallersReachEveryRedefinition) {
  kx::test::HostCapture box(kx::test::HostCapture::Install::BoxOnly);
  HostAPI api;
  KxBasicAPI* previous = KxBaseClass().API(&api);
  // What each call through the library's own code (or a base reference, for members no library
  // code calls) ran of the redefinitions.
  kx::test::Texts seen;
  const auto trace = [&seen](auto&& call) {
    gSeen.clear();
    call();
    seen.push_back(gSeen);
  };
  HostNumber n(1.0);
  DT_Double& d = n;
  DataType& root = n;
  char text[512] = "x";
  DT_Double other(1.0);
  Streng number("2.5");
  trace([&] { root.ErrorKode(-1), root.Error1("e"), root.VisObjektTellere(); });
  trace([&] { root.MsgBox("T", "t"), root.ClassType(3), root.ClassName(); });
  trace([&] { root.SystemPlattform(-1), root.KlasseType(), root.KlasseNavn(); });
  trace([&] { root.DebugMode(-1), root.SkrivUtObj(), root.GetTekstNr(1, text); });
  trace([&] { root.LesCharStreng(text), d.Init(&number), d.Les(nullptr, 0); });
  trace([&] { d.SnuFortegn(-1), d.RundAv(1.0, 0), d.CompareWith(1.0, 1e-9); });
  trace([&] { d.StorreEnn(1.0, 1e-9), d.MindreEnn(&other, 1e-9), d.Lik(&other, 1e-9); });
  trace([&] { d.SomChar(nullptr), d.StorreEllerLik(&other, 1), d.MindreEllerLik(1.0, 1); });

  KxBasicAPI& host = api;
  IO_Enhet& io = api;
  float f;
  long l;
  DT_Int i;
  HostPoint p;
  trace([&] { host.API_MessageBox("a", "b", 0), host.API_ErrorBox("a", "b", 0); });
  trace([&] { io.SkrivDebugStreng("a"), io.DebugMode(-1), io.KlasseNavn(); });
  trace([&] { io.LesTall(&f), io.LesTall(&l), io.KlasseType(), io.LesCharStreng(text); });
  trace([&] { io.API_FileDialog(1, text, "t", "e", "n", 0, "f", nullptr), i.Les(nullptr, 0); });
  trace([&] { p.Les(nullptr, 0, nullptr, 0), p.Transformer(1, 2); });
  box.Clear();

  HostName name("C:\\x\\f.txt");
  Filnavn& fn = name;
  Streng ext("dat"), line;
  kx::test::ScopedTempDir dir;
  HostFile file("new.txt");
  Fil& asFil = file;
  trace([&] { fn.Ext(&ext), fn.Drive(nullptr), fn.Path(nullptr), fn.Navn(nullptr); });
  trace([&] { fn.NavnExt(nullptr), fn.Splitt(0, 0, 0, 0), fn.SettSammen(0, 0, 0, 0); });
  trace([&] { fn.LesNavn(nullptr, 0, nullptr), fn.InitUniktNavn(nullptr), fn.Lovlig(); });
  trace([&] { asFil.Lovlig_Filnavn(), file.LesNesteLinje(&line, 0, 0); });

  HostText t;
  QP_Linjeidentitet& id = t;
  const double xyz[3] = {1, 2, 3};
  DT_Punkt plain;
  DT_Punkt& point = p;
  trace([&] { id.Lik("a", 0, 0), id.CaseLik("a", 0, 0), id.SetAktivIKALMO(), id.InitFraListe(); });
  trace([&] { static_cast<Streng&>(t).Les("?", 0); });
  trace([&] { point.Init(xyz), point.Init(&plain), point.SomChar(nullptr); });

  HostList list;
  DT_Double x(0.5), minX;
  DT_Punkt out;
  trace([&] { list.LeggTil(new DT_Punkt(0, 0, 0)), list.LeggTil(new DT_Punkt(1, 1, 0)); });
  trace([&] { list.InterpolerMHP_X(&out, &x), list.InterpolerMHP_Y(&out, &x); });
  trace([&] { list.EkstremalPunkter(&minX, 0, 0, 0, 0, 0), list.Sorter(1); });
  trace([&] { list.Insert(&plain, 0), list.SlettIndex(0), list.Klipp(0, 0, 0, 0); });
  trace([&] { list.SlettObjekt(list.Forste(0)), list.Aktiver(nullptr); });
  trace([&] { list.SlettAlleIListen(1); });

  HostStrings hostStrings;
  StrengListe& strings = hostStrings;
  HostInts ints;
  HostDoubles doubles;
  HostReals hostReals;
  AdsRealListe& reals = hostReals;
  ints.LeggTil(new DT_Int(1)), ints.LeggTil(new DT_Int(2));
  doubles.LeggTil(new DT_Double(1.0)), doubles.LeggTil(new DT_Double(2.0));
  trace([&] { strings.LeggTilStreng("b"), strings.LeggTilStreng("a"); });
  trace([&] { strings.Sorter(1), strings.SkrivUtObj(); });
  trace([&] { ints.Sorter(1), doubles.Sorter(0); });
  trace([&] { reals.LeggTilReal(1), reals.LeggTilReal(2), reals.Sorter(0); });

  // Every way of adding a record or a chain to a result buffer goes through AddResBuffer.
  HostResBuffer rb, fresh;
  KxResBuffer& plainBuffer = fresh;
  auto* moved = new KxResBuffer;
  const long entity[2] = {1, 2};
  DT_Longint longValue(5);
  Streng s("s");
  trace([&] {
    moved->Add(40, 1.0);
    rb.Add(WINKMR00_newrb(40)), rb.Add(moved, 1), rb.Add(RTT), rb.Add(40, 1.0);
    rb.Add(40, &other), rb.Add(10, xyz), rb.Add(10, &plain), rb.Add(70, 1), rb.Add(70, &i);
    rb.Add(1, "t"), rb.Add(1, &s), rb.Add(-1, entity), rb.Add(90, &longValue);
    rb.InsertElement(RTREAL, &other, 40, 0), rb.AddCopyOf(rb.Get(1));
  });
  trace([&] { plainBuffer.EditInDialog(nullptr), plainBuffer.Set(41, 1.0, 1, 1); });
  EXPECT_EQ(seen, kx::test::Words("foundation/overrides.cases", "trace"));
  KxBaseClass().API(previous);
}

// Every class answers its own name and type -1; the roots answer "HovedObjekt" and 0, and the
// built-in host interface "IO_Enhet" and 1. The string list keeps its list's name, and the hex
// number and the settings string keep Streng's.
template <typename... T>
std::string NamesOf(const T&... objects) {
  return ((std::string(objects.KlasseNavn()) + std::to_string(objects.KlasseType()) + " ") + ...);
}

TEST(ClassIdentity, EveryClassAnswersItsOwnName) {
  EXPECT_EQ(NamesOf(HovedObjekt(), DataType(), Streng(), DT_StringInt(), QP_Linjeidentitet(),
                    DT_Tall(), DT_Desimaltall(), DT_Double(), DT_DoubleInt(), B_Vinkel(),
                    DT_Heltall(), DT_Int(), DT_Longint(), DT_Float(), DT_Node(), DT_Nodeliste(),
                    DT_PointList(), QP_LinjePaalegg(), DT_Punkt(), B_Sirkel(), B_Linje(),
                    Filnavn(), Fil(""), TekstFil(""), StrengListe(), HexTall(), KxConfigString(),
                    KxLanguage(), DT_IntListe(), DT_DoubleListe(), AdsRealListe(),
                    KxArc(nullptr, nullptr, nullptr), KxResBuffer(), IO_Enhet()),
            "HovedObjekt0 HovedObjekt0 Streng-1 DT_StringInt-1 QP_Linjeidentitet-1 DT_Tall-1 "
            "DT_Desimaltall-1 DT_Double-1 DT_DoubleInt-1 B_Vinkel-1 DT_Heltall-1 DT_Int-1 "
            "DT_Longint-1 DT_Float-1 DT_Node-1 DT_Nodeliste-1 DT_PointList-1 QP_LinjePaalegg-1 "
            "DT_Punkt-1 B_Sirkel-1 B_Linje-1 Filnavn-1 Fil-1 TekstFil-1 DT_Nodeliste-1 Streng-1 "
            "Streng-1 KxLanguage-1 DT_IntListe-1 DT_DoubleListe-1 AdsRealListe-1 KxArc-1 "
            "KxResBuffer-1 IO_Enhet1 ");
}

}  // namespace
