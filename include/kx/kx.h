#pragma once
// kxlib: every public header.

#include "kx/containers/DT_Node.h"
#include "kx/containers/DT_Nodeliste.h"
#include "kx/foundation/DataType.h"
#include "kx/foundation/Export.h"
#include "kx/foundation/FlatExports.h"
#include "kx/foundation/HovedObjekt.h"
#include "kx/foundation/IO_Enhet.h"
#include "kx/foundation/KxBaseClass.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/platform/FileDialog.h"
#include "kx/platform/ListBox.h"
#include "kx/platform/MessageBox.h"
#include "kx/resbuf/resbuf.h"
#include "kx/text/Streng.h"
