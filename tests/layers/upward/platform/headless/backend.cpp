#include "common/random.h"
  #  include "display/palette.h"
