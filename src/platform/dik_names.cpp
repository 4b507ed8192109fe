// dik_names.cpp -- DirectInput key names, for key scripts and the SDL key mapping
#include <cstdlib>
#include <cstring>

#include "platform/keyboard.h"

namespace platform {
namespace {

struct Named {
  uint8_t code;
  const char* name;
};

// The table keeps the columns it was laid out in.
// clang-format off
constexpr Named kNames[] = {
    {0x01, "ESCAPE"},     {0x02, "1"},          {0x03, "2"},           {0x04, "3"},
    {0x05, "4"},          {0x06, "5"},          {0x07, "6"},           {0x08, "7"},
    {0x09, "8"},          {0x0A, "9"},          {0x0B, "0"},           {0x0C, "MINUS"},
    {0x0D, "EQUALS"},     {0x0E, "BACK"},       {0x0F, "TAB"},         {0x10, "Q"},
    {0x11, "W"},          {0x12, "E"},          {0x13, "R"},           {0x14, "T"},
    {0x15, "Y"},          {0x16, "U"},          {0x17, "I"},           {0x18, "O"},
    {0x19, "P"},          {0x1A, "LBRACKET"},   {0x1B, "RBRACKET"},    {0x1C, "RETURN"},
    {0x1D, "LCONTROL"},   {0x1E, "A"},          {0x1F, "S"},           {0x20, "D"},
    {0x21, "F"},          {0x22, "G"},          {0x23, "H"},           {0x24, "J"},
    {0x25, "K"},          {0x26, "L"},          {0x27, "SEMICOLON"},   {0x28, "APOSTROPHE"},
    {0x29, "GRAVE"},      {0x2A, "LSHIFT"},     {0x2B, "BACKSLASH"},   {0x2C, "Z"},
    {0x2D, "X"},          {0x2E, "C"},          {0x2F, "V"},           {0x30, "B"},
    {0x31, "N"},          {0x32, "M"},          {0x33, "COMMA"},       {0x34, "PERIOD"},
    {0x35, "SLASH"},      {0x36, "RSHIFT"},     {0x37, "MULTIPLY"},    {0x38, "LMENU"},
    {0x39, "SPACE"},      {0x3A, "CAPITAL"},    {0x3B, "F1"},          {0x3C, "F2"},
    {0x3D, "F3"},         {0x3E, "F4"},         {0x3F, "F5"},          {0x40, "F6"},
    {0x41, "F7"},         {0x42, "F8"},         {0x43, "F9"},          {0x44, "F10"},
    {0x45, "NUMLOCK"},    {0x46, "SCROLL"},     {0x47, "NUMPAD7"},     {0x48, "NUMPAD8"},
    {0x49, "NUMPAD9"},    {0x4A, "SUBTRACT"},   {0x4B, "NUMPAD4"},     {0x4C, "NUMPAD5"},
    {0x4D, "NUMPAD6"},    {0x4E, "ADD"},        {0x4F, "NUMPAD1"},     {0x50, "NUMPAD2"},
    {0x51, "NUMPAD3"},    {0x52, "NUMPAD0"},    {0x53, "DECIMAL"},     {0x56, "OEM_102"},
    {0x57, "F11"},        {0x58, "F12"},        {0x64, "F13"},         {0x65, "F14"},
    {0x66, "F15"},        {0x70, "KANA"},       {0x79, "CONVERT"},     {0x7B, "NOCONVERT"},
    {0x7D, "YEN"},        {0x8D, "NUMPADEQUALS"}, {0x9C, "NUMPADENTER"}, {0x9D, "RCONTROL"},
    {0xB3, "NUMPADCOMMA"}, {0xB5, "DIVIDE"},    {0xB7, "SYSRQ"},       {0xB8, "RMENU"},
    {0xC5, "PAUSE"},      {0xC7, "HOME"},       {0xC8, "UP"},          {0xC9, "PRIOR"},
    {0xCB, "LEFT"},       {0xCD, "RIGHT"},      {0xCF, "END"},         {0xD0, "DOWN"},
    {0xD1, "NEXT"},       {0xD2, "INSERT"},     {0xD3, "DELETE"},      {0xDB, "LWIN"},
    {0xDC, "RWIN"},       {0xDD, "APPS"},
};
// clang-format on

// Other names DirectInput gives to the same keys.
constexpr Named kAliases[] = {
    {0x0E, "BACKSPACE"},   {0x38, "LALT"},        {0xB8, "RALT"},       {0x3A, "CAPSLOCK"},
    {0x37, "NUMPADSTAR"},  {0x4A, "NUMPADMINUS"}, {0x4E, "NUMPADPLUS"}, {0x53, "NUMPADPERIOD"},
    {0xB5, "NUMPADSLASH"}, {0xC8, "UPARROW"},     {0xD0, "DOWNARROW"},  {0xCB, "LEFTARROW"},
    {0xCD, "RIGHTARROW"},  {0xC9, "PGUP"},        {0xD1, "PGDN"},
};

}  // namespace

const char* dikName(uint8_t code) {
  for (const Named& n : kNames)
    if (n.code == code) return n.name;
  return nullptr;
}

bool parseDikKey(const std::string& token, uint8_t& code) {
  std::string t = token;
  if (t.rfind("DIK_", 0) == 0) t = t.substr(4);
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    char* end = nullptr;
    unsigned long v = std::strtoul(t.c_str() + 2, &end, 16);
    if (*end != '\0' || v == 0 || v > 0xFF) return false;
    code = static_cast<uint8_t>(v);
    return true;
  }
  for (const Named& n : kNames)
    if (t == n.name) return code = n.code, true;
  for (const Named& n : kAliases)
    if (t == n.name) return code = n.code, true;
  return false;
}

}  // namespace platform
