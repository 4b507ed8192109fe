#pragma once
#include "display/palette.h"
