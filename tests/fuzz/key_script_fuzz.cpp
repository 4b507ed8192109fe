// key_script_fuzz.cpp -- key scripts: parsing and playing whatever the file holds
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/key_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<platform::KeyChange> changes;
  std::string error;
  if (!platform::parseKeyScript(std::string(reinterpret_cast<const char*>(data), size), changes,
                                error))
    return 0;
  platform::KeyScriptPlayer player(changes);
  uint8_t state[256];
  for (uint64_t read = 0; read < 64; ++read) player.stateAtRead(read * read, state);
  return 0;
}
