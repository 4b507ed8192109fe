#pragma once
#include "world/scene.h"
