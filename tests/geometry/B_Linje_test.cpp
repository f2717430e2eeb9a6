// B_Linje: the plan measures, positions at x and y and along the line, the intersection of two
// lines (every result code in both modes) and the projections (data/geometry/geometry.cases).

#include "kx/geometry/B_Linje.h"

#include <gtest/gtest.h>

#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

// The line between the points at words from and from + 3 of a row's first cell.
B_Linje Line(const std::vector<double>& v, std::size_t from) {
  const DT_Punkt p(&v[from]), q(&v[from + 3]);
  return B_Linje(&p, &q);
}

// Cell c of a row from word w on: a result, a code ('-': U) and a point.
Values Expected(const Row& r, std::size_t c, std::size_t w = 0) {
  Values v = {r.D(c, w), r.S(c, w + 1) == "-" ? U : r.D(c, w + 1)};
  for (std::size_t i = w + 2; i < w + 5; ++i) v.push_back(r.D(c, i));
  return v;
}
Values Got(int result, int code, const DT_Punkt& p) { return {result, code, p.x(), p.y(), p.z()}; }

TEST(B_Linje, MeasuresAndPositions) {
  const DT_Punkt b(4, 6, 3);
  B_Linje fromNull(nullptr, &b);
  EXPECT_TRUE(fromNull.LengdeFraStartTil(nullptr) == nullptr && Of(*fromNull.StartPunkt()) == Xyz{});
  for (const Row& r : Table("geometry/geometry.cases", "measure")) {
    B_Linje l = Line({0, 0, 0, r.D(0, 0), r.D(0, 1), r.D(0, 2)}, 0);
    EXPECT_NEAR(l.Vinkel()->Get(), r.D(1, 0), 1e-15) << r.where;
    EXPECT_EQ((Values{l.StigningsTall(100, 1)->Get(), l.StigningsTall(100, 0)->Get()}),
              (Values{r.D(1, 1), r.D(1, 2)}))
        << r.where;
  }
  for (const Row& r : Table("geometry/geometry.cases", "at")) {
    B_Linje line = Line(r.Ds(0), 0);
    const DT_Double value(r.D(1, 1));
    DT_Punkt out(kUntouched.data());
    line.ErrorKode(U);
    const int op = r.I(1, 0), result = op == 2   ? line.PosIoffsLangsLinje(&value, &out)
                                       : op == 1 ? line.GetPosI_Y(&value, &out, r.D(1, 2))
                                                 : line.GetPosI_X(&value, &out, r.D(1, 2));
    EXPECT_EQ(Got(result, line.ErrorKode(-9999), out), Expected(r, 2)) << r.where;
  }
  B_Linje line = Line({0, 0, 7, 10, 10, 7}, 0);
  DT_Punkt out;
  EXPECT_EQ(line.GetPosI_X(nullptr, &out, 1) + line.ErrorKode(-9999), -1);
  EXPECT_EQ(line.GetPosI_Y(line.DX(), nullptr, 1) + line.PosIoffsLangsLinje(nullptr, &out) +
                line.ErrorKode(-9999),
            -2);  // PosIoffsLangsLinje sets no code
}

TEST(B_Linje, IntersectionsDistancesAndNormals) {
  for (const Row& r : Table("geometry/geometry.cases", "cross")) {
    const std::vector<double> v = r.Ds(0);
    B_Linje a = Line(v, 0), b = Line(v, 6);
    DT_Punkt out(kUntouched.data());
    a.ErrorKode(U);
    const int result = a.SkjaeringMed(&b, &out, static_cast<int>(v[12]));
    EXPECT_EQ(Got(result, a.ErrorKode(-9999), out), Expected(r, 1)) << r.where;
  }
  B_Linje a = Line({0, 0, 0, 10, 0, 0}, 0), b = Line({5, -5, 0, 5, 5, 0}, 0), normal;
  DT_Punkt out;
  EXPECT_EQ(a.SkjaeringMed(nullptr, &out, 1) + a.SkjaeringMed(&b, nullptr, 1) + a.ErrorKode(-9999),
            -3);
  for (const Row& r : Table("geometry/geometry.cases", "dist")) {
    const std::vector<double> v = r.Ds(0);
    B_Linje line = Line(v, 0);
    DT_Punkt p(&v[6]), foot;
    int inside = -1;
    const double d = line.DistTo3DLine(p, &foot, &inside)->Get();
    const std::vector<double> want = r.Ds(1);
    EXPECT_EQ((Values{d, inside, foot.x(), foot.y(), foot.z()}), Values(want.begin(), want.end()))
        << r.where;
  }
  const DT_Punkt behind(-5, 1, 0);
  EXPECT_EQ(a.NormalPaaLinjeFra(&behind, &normal, 0) + a.ErrorKode(-9999), 0);
  EXPECT_EQ((Values{normal.StartPunkt()->x(), normal.StartPunkt()->y(), normal.SluttPunkt()->x(),
                    normal.SluttPunkt()->y()}),
            (Values{-5, 1, -5, 0}));
  EXPECT_EQ(a.NormalPaaLinjeFra(&behind, &normal, 1) + a.NormalPaaLinjeFra(nullptr, &normal, 1) +
                a.ErrorKode(-9999),
            0);
}

}  // namespace
