// iconv_win32.cpp -- iconv on MultiByteToWideChar and WideCharToMultiByte, one character at a time
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "iconv.h"

namespace {

enum class Kind { CodePage, Utf16Le, Utf16Be, Utf32Be };

struct Charset {
  Kind kind = Kind::CodePage;
  UINT codePage = 0;
  bool eucKr = false;  // code page 949 limited to its KS X 1001 part
};

struct Converter {
  Charset from, to;
};

bool lookUp(const char* name, Charset& out) {
  std::string n;
  for (const char* p = name; *p; ++p) n += char(*p >= 'a' && *p <= 'z' ? *p - 32 : *p);
  if (n.size() > 10 && n.compare(n.size() - 10, 10, "//TRANSLIT") == 0) n.resize(n.size() - 10);
  if (n == "UTF-8" || n == "UTF8") return out = {Kind::CodePage, CP_UTF8}, true;
  if (n == "CP949" || n == "UHC") return out = {Kind::CodePage, 949}, true;
  if (n == "EUC-KR" || n == "EUCKR") return out = {Kind::CodePage, 949, true}, true;
  if (n == "JOHAB" || n == "CP1361") return out = {Kind::CodePage, 1361}, true;
  if (n == "UTF-16LE") return out = {Kind::Utf16Le}, true;
  if (n == "UTF-16BE") return out = {Kind::Utf16Be}, true;
  if (n == "UTF-32BE") return out = {Kind::Utf32Be}, true;
  return false;
}

// The length of the character that starts at p in a code page; 0 when the lead byte
// starts none.
size_t codePageCharLength(const Charset& c, const uint8_t* p) {
  if (c.codePage == CP_UTF8) {
    if (p[0] < 0x80) return 1;
    if (p[0] >= 0xC2 && p[0] <= 0xDF) return 2;
    if (p[0] >= 0xE0 && p[0] <= 0xEF) return 3;
    if (p[0] >= 0xF0 && p[0] <= 0xF4) return 4;
    return 0;
  }
  if (p[0] < 0x80) return 1;
  return IsDBCSLeadByteEx(c.codePage, p[0]) ? 2 : 0;
}

// Reads one character as UTF-16 (one unit, or a surrogate pair). Returns the bytes used,
// 0 with errno set when it cannot.
size_t readChar(const Charset& c, const uint8_t* p, size_t left, wchar_t w[2], int& units) {
  switch (c.kind) {
    case Kind::Utf16Le:
    case Kind::Utf16Be: {
      if (left < 2) return errno = EINVAL, 0;
      const auto unit = [&](size_t i) {
        return wchar_t(c.kind == Kind::Utf16Le ? p[i] | p[i + 1] << 8 : p[i] << 8 | p[i + 1]);
      };
      w[0] = unit(0);
      units = 1;
      if (w[0] < 0xD800 || w[0] > 0xDFFF) return 2;
      if (w[0] > 0xDBFF) return errno = EILSEQ, 0;
      if (left < 4) return errno = EINVAL, 0;
      w[1] = unit(2);
      if (w[1] < 0xDC00 || w[1] > 0xDFFF) return errno = EILSEQ, 0;
      units = 2;
      return 4;
    }
    case Kind::Utf32Be: {
      if (left < 4) return errno = EINVAL, 0;
      const uint32_t u = uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
      if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return errno = EILSEQ, 0;
      if (u < 0x10000) {
        w[0] = wchar_t(u);
        units = 1;
      } else {
        w[0] = wchar_t(0xD800 + ((u - 0x10000) >> 10));
        w[1] = wchar_t(0xDC00 + ((u - 0x10000) & 0x3FF));
        units = 2;
      }
      return 4;
    }
    case Kind::CodePage:
      break;
  }
  const size_t n = codePageCharLength(c, p);
  if (n == 0) return errno = EILSEQ, 0;
  if (n > left) return errno = EINVAL, 0;
  if (c.eucKr && n == 2 && (p[0] < 0xA1 || p[1] < 0xA1)) return errno = EILSEQ, 0;
  units = MultiByteToWideChar(c.codePage, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(p),
                              int(n), w, 2);
  if (units <= 0) return errno = EILSEQ, 0;
  return n;
}

// Writes one character; returns the bytes written, 0 with errno set when it cannot.
size_t writeChar(const Charset& c, const wchar_t* w, int units, uint8_t* out, size_t left) {
  uint8_t buffer[8];
  size_t n = 0;
  switch (c.kind) {
    case Kind::Utf16Le:
    case Kind::Utf16Be:
      for (int i = 0; i < units; ++i) {
        const uint8_t hi = uint8_t(w[i] >> 8), lo = uint8_t(w[i]);
        buffer[n++] = c.kind == Kind::Utf16Le ? lo : hi;
        buffer[n++] = c.kind == Kind::Utf16Le ? hi : lo;
      }
      break;
    case Kind::Utf32Be: {
      const uint32_t u = units == 2 ? 0x10000 + ((uint32_t(w[0]) - 0xD800) << 10) + (w[1] - 0xDC00)
                                    : uint32_t(w[0]);
      for (int shift = 24; shift >= 0; shift -= 8) buffer[n++] = uint8_t(u >> shift);
      break;
    }
    case Kind::CodePage: {
      BOOL defaulted = FALSE;
      const bool utf8 = c.codePage == CP_UTF8;
      const int r = WideCharToMultiByte(c.codePage, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, w, units,
                                        reinterpret_cast<char*>(buffer), sizeof buffer, nullptr,
                                        utf8 ? nullptr : &defaulted);
      if (r <= 0 || defaulted) return errno = EILSEQ, 0;
      n = size_t(r);
      if (c.eucKr && n == 2 && (buffer[0] < 0xA1 || buffer[1] < 0xA1)) return errno = EILSEQ, 0;
      break;
    }
  }
  if (n > left) return errno = E2BIG, 0;
  std::memcpy(out, buffer, n);
  return n;
}

}  // namespace

extern "C" iconv_t iconv_open(const char* to, const char* from) {
  Converter c;
  if (!lookUp(to, c.to) || !lookUp(from, c.from)) {
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
  }
  return new Converter(c);
}

extern "C" size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft) {
  const auto* c = static_cast<const Converter*>(cd);
  if (!in || !*in) return 0;  // a reset: no shift state to return to
  while (*inLeft > 0) {
    wchar_t w[2];
    int units = 0;
    const auto* p = reinterpret_cast<const uint8_t*>(*in);
    const size_t used = readChar(c->from, p, *inLeft, w, units);
    if (used == 0) return size_t(-1);
    const size_t written = writeChar(c->to, w, units, reinterpret_cast<uint8_t*>(*out), *outLeft);
    if (written == 0) return size_t(-1);
    *in += used;
    *inLeft -= used;
    *out += written;
    *outLeft -= written;
  }
  return 0;
}

extern "C" int iconv_close(iconv_t cd) {
  delete static_cast<Converter*>(cd);
  return 0;
}
