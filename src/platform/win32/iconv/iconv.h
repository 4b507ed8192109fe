// iconv.h -- the C library's character set converter, on the code pages of Windows
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* iconv_t;

// Known names: UTF-8, UTF-16LE, UTF-16BE, UTF-32BE, CP949 (or UHC), EUC-KR and JOHAB.
iconv_t iconv_open(const char* to, const char* from);
// As the C library's: stops at the first character that cannot be read (EILSEQ), that is
// cut off at the end of the input (EINVAL), or that does not fit into the output (E2BIG).
size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif
