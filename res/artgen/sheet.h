// The contact sheet: every image of the artwork table on one PNG, labelled with its resource
// number, so the whole skin can be reviewed at a glance.
#pragma once
#include "res/artgen/canvas.h"

namespace art {

Canvas MakeSheet();

}  // namespace art
