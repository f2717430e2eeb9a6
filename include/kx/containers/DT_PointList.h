#pragma once
// DT_PointList: a polyline, a DT_Nodeliste whose objects are DT_Punkt points in the order of the
// line.
//
// On top of the cursor list it gives the bounding values of the points, linear interpolation along
// the polyline (the y at an x, the x at a y), clipping to an x range, the point nearest to a given
// point, and copies. Nothing sorts the points: they stay in the order they were added. A vertical
// profile derives from it, with x the chainage and y the height.
//
// Points: the list holds DT_Punkt objects (or objects of classes derived from it) made with new;
// with AutoSlett 1, the default, it deletes them with itself (see DT_Nodeliste). A node whose
// object a caller cleared (DT_Node::SetDette(0)) holds no point: GetNeste and GetForrige deliver
// null for it, and every other member passes over it.
//
// Redefining: the polyline forms of InterpolerMHP_X and InterpolerMHP_Y and Klipp call the segment
// forms through the virtual table, so a derived list can redefine how one segment is interpolated
// (a derived class that redefines one form adds `using DT_PointList::InterpolerMHP_X;` to keep the
// other visible).
//
// Copying: unlike a plain list, a point list can be copied. The copy constructor and assignment
// make a new list of new points (copies by DT_Punkt's copy constructor: coordinates and shown
// decimals, as plain DT_Punkt objects) and copy the class type. The copy always owns its points
// (AutoSlett 1), whatever the original's flag: nobody else holds them. The original and its cursor
// are not touched; the copy's cursor is on its first point. Init(DT_PointList*) appends copies to
// an existing list instead.
//
// Results: 1 for success, 0 for failure with the last error code where a member names one.

#include "kx/containers/DT_Nodeliste.h"

class DT_Double;
class DT_Int;
class DT_Punkt;

class KX_API DT_PointList : public DT_Nodeliste {
 public:
  // An empty list with the given ownership flag (1 owns its points, 0 does not).
  explicit DT_PointList(int autoSlett = 1);
  // A new owning list of copies of other's points (see Copying above).
  DT_PointList(const DT_PointList& other);
  // Empties this list (deleting its points only when it owns them), then takes copies of other's
  // points and its class type; the list owns the copies from then on (AutoSlett 1). Assigning a
  // list to itself changes nothing.
  DT_PointList& operator=(const DT_PointList& other);
  ~DT_PointList() override;
  // Identity: -1 and "DT_PointList".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Bounding values of all points, in the order minX, maxX, minY, maxY, minZ, maxZ; any of the six
  // may be null and is then skipped. Each minimum starts at 9999999999.0 and each maximum at
  // -9999999999.0, and is replaced by a coordinate strictly beyond it (a NaN never is), so an empty
  // list delivers the start values. The results are stored with DT_Double::Init(double). Always 1;
  // the cursor ends off the list.
  virtual int EkstremalPunkter(DT_Double* minX, DT_Double* maxX, DT_Double* minY, DT_Double* maxY,
                               DT_Double* minZ, DT_Double* maxZ);

  // Cuts the polyline at x = xLow and x = xHigh and removes what lies outside. A null xLow means
  // the limit -99999999.0, a null xHigh 99999999.0. Clipping is in x only: yLow and yHigh are
  // accepted for the callers that pass them and are ignored.
  // When the first point lies below the lower limit, the segments are tried from the front with
  // the segment form of InterpolerMHP_X (through the virtual table, given xLow itself): the earlier
  // point of the first segment that reaches the limit moves to the interpolated point (z 0), and
  // the points before it are removed. When no segment reaches the limit (also: a null xLow), all
  // points but the last are removed. The back is clipped the same way from the last point towards
  // the front with xHigh, moving the later point of the segment. A limit exactly on a point moves
  // the neighbour onto it (two points then share x and y). Removed points are deleted whatever the
  // ownership flag says: the list made or was given them. 1; 0 for an empty list (no error code).
  // The cursor ends on the last point.
  virtual int Klipp(DT_Double* xLow, DT_Double* yLow, DT_Double* xHigh, DT_Double* yHigh);

  // One segment: out becomes the point of the segment p1-p2 at x (X, y, 0.0) through its virtual
  // Init(double, double, double); 1. Both ends count as inside. 0, out untouched, for a null
  // argument, an x outside the segment (a NaN x too) and a vertical segment (x equal at both ends),
  // which never interpolates in x. No error code.
  virtual int InterpolerMHP_X(DT_Punkt* out, DT_Punkt* p1, DT_Punkt* p2, DT_Double* x);
  // The polyline: the segment form (through the virtual table) on each pair of neighbours in list
  // order; the first segment that succeeds gives out, so where the line is not monotonic in x the
  // earliest crossing wins. 1; 0 with last error code -1 for a null out or x, -2 when no segment
  // holds x (also for lists of fewer than two points). The cursor is left where the scan stopped.
  virtual int InterpolerMHP_X(DT_Punkt* out, DT_Double* x);
  // InterpolerMHP_X with x and y exchanged: out becomes (x, Y, 0.0); a horizontal segment never
  // interpolates in y.
  virtual int InterpolerMHP_Y(DT_Punkt* out, DT_Punkt* p1, DT_Punkt* p2, DT_Double* y);
  // As the polyline form of InterpolerMHP_X in y, except that no error code is recorded: a null
  // argument and a failed search both just give 0.
  virtual int InterpolerMHP_Y(DT_Punkt* out, DT_Double* y);
  // The polyline forms for a constant x or y (only read): the virtual members above.
  template <typename D, kx::IfConstOf<D, DT_Double> = 0>
  int InterpolerMHP_X(DT_Punkt* out, D* x) {
    return InterpolerMHP_X(out, const_cast<DT_Double*>(static_cast<const DT_Double*>(x)));
  }
  template <typename D, kx::IfConstOf<D, DT_Double> = 0>
  int InterpolerMHP_Y(DT_Punkt* out, D* y) {
    return InterpolerMHP_Y(out, const_cast<DT_Double*>(static_cast<const DT_Double*>(y)));
  }

  // The base list's positional access stays available beside the point form below.
  using DT_Nodeliste::GetIndex;

  // *out becomes the active point (null for a node with no point), then the cursor moves to the
  // next node (off the list after the last one); 1. 0 for a null out or when the cursor is off the
  // list (*out untouched). Iterate with AktiverForste(0), then GetNeste until it gives 0.
  int GetNeste(DT_Punkt** out);
  // The same, moving the cursor to the previous node.
  int GetForrige(DT_Punkt** out);
  // *out becomes the point at position (0-based) and the cursor moves there; 1. 0 for a null out
  // and when there is no point at position (the cursor then off the list, *out untouched).
  int GetIndex(DT_Punkt** out, int position);

  // Appends copies of other's points (DT_Punkt(const DT_Punkt*): coordinates only) after this
  // list's own points, which stay; the copies follow this list's ownership flag. other's cursor
  // ends off its list. Init(this) appends one copy of each point the list had. 1; 0 with last
  // error code -1 for a null other.
  int Init(DT_PointList* other);

  // The point nearest to target by DT_Punkt::AvstandTil with the plane selector planes: result
  // takes its coordinates and *index (when index is not null) its position. A point replaces the
  // best so far only when it is closer by at least 1e-9, so of points at the same distance the
  // earliest wins; a point at a NaN distance never wins. When no point comes within
  // 999999999999.0 - 1e-9 of target, result is unchanged and the index delivered is -1. The cursor
  // is put back on the position Index() showed before the call (a cursor that was off the list ends
  // on that position). 1; 0 with last error code -2 for a null target, -3 for a null result, -1
  // for an empty list (index untouched).
  int GetNearestTo(const DT_Punkt* target, DT_Punkt* result, DT_Int* index, int planes = 0);

 private:
  // Appends a copy of each of other's points; other's cursor does not move.
  void AppendCopiesOf(const DT_PointList& other);
  // The polyline scan behind both polyline interpolations, with the segment form to call.
  using SegmentForm = int (DT_PointList::*)(DT_Punkt*, DT_Punkt*, DT_Punkt*, DT_Double*);
  int ScanSegments(DT_Punkt* out, DT_Double* value, SegmentForm segment);
  // Clips one end (the front, or the back when back is true) at limit, as Klipp describes.
  void ClipEnd(DT_Double* limit, bool back);
};
