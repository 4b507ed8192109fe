#include "audio/music_player.h"
