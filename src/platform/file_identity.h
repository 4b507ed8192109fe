// file_identity.h -- which file an open stream reads, whatever name opened it
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Equal for two streams open on the same file, however differently it was named ("big",
// "./big", or "BIG" where the file system folds case), and different for different files.
// Empty when the system cannot say.
std::string fileIdentity(FILE* f);

}  // namespace platform
