// packs.cpp -- the list of packs and the names the game loads them by
#include "art/packs.h"

namespace art {

std::vector<PackArt> allPacks() {
  return {
      {"CHAR1", hero},
      {"postman", postman},
      {"chief", chief},
      {"baker", baker},
      {"smith", smith},
      {"boy", boy},
      {"girl", girl},
      {"skater", skater},
      {"woodcutter", woodcutter},
      {"keeper", keeper},
      {"herbalist", herbalist},
      {"grandma", grandma},
      {"fisher", fisher},
      {"dog", dog},
      {"fox", fox},
      {"deer", deer},
      {"owl", owl},
      {"crow", crow},
      {"snowman", snowman},
      {"lamp_on", lampOn},
      {"lamp_off", lampOff},
      {"bridge", bridge},
      {"cursor", cursor},
      {"bubble", bubble},
  };
}

}  // namespace art
