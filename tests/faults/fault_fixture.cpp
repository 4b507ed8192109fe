// fault_fixture.cpp -- the folder of a fault test
#include "faults/fault_fixture.h"

#include "faults/fault_world.h"

namespace faults {

void FaultTest::SetUp() {
  TempFolderTest::SetUp();
  writeFaultWorld();
}

}  // namespace faults
