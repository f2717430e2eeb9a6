#include "kx/numbers/DT_Heltall.h"

DT_Heltall::DT_Heltall() = default;

DT_Heltall::~DT_Heltall() = default;
