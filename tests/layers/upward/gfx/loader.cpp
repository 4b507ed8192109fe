// A gfx file that includes a shell header, after an unbalanced [ on a line of its own
#include "gfx/loader.h"
const char open = '[';
#include "shell/messages.h"
