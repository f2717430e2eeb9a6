#pragma once
// DT_Node: one node of a DT_Nodeliste.
//
// A node links to its neighbours and points at one library object, its payload. The list creates
// and deletes its nodes; a node never deletes its object. The links are kept as HovedObjekt*, as
// the list's callers have always seen them; within a list they always point at DT_Node objects.

#include "kx/foundation/DataType.h"

class KX_API DT_Node : public DataType {
 public:
  // A node for object (null by default), with no neighbours.
  explicit DT_Node(HovedObjekt* object = nullptr);
  // Identity: -1 and "DT_Node".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Store the link to the preceding node, the link to the following node, and the payload. No
  // checks: changing the links of a node that belongs to a list breaks that list.
  void SetForrige(HovedObjekt* previous);
  void SetNeste(HovedObjekt* next);
  void SetDette(HovedObjekt* object);

  // The preceding node (null for the first), the following node (null for the last), the payload.
  HovedObjekt* GetForrige() const { return previous_; }
  HovedObjekt* GetNeste() const { return next_; }
  HovedObjekt* GetDette() const { return object_; }

 private:
  HovedObjekt* previous_ = nullptr;
  HovedObjekt* next_ = nullptr;
  HovedObjekt* object_;
};
