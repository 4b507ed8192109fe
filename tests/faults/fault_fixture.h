// fault_fixture.h -- each fault test in a folder of its own holding the fault tests' game
#pragma once

#include "support/engine_fixture.h"

namespace faults {

class FaultTest : public testing_support::TempFolderTest {
 protected:
  void SetUp() override;
};

}  // namespace faults
