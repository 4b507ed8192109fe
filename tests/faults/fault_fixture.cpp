// fault_fixture.cpp -- the folder of a fault test
#include "faults/fault_fixture.h"

#include <unistd.h>

#include "faults/fault_world.h"

namespace faults {

namespace fs = std::filesystem;

void FaultTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = fs::temp_directory_path() /
         ("pelmo_faults_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
  fs::remove_all(dir_);
  fs::create_directories(dir_);
  previous_ = fs::current_path();
  fs::current_path(dir_);
  writeFaultWorld();
}

void FaultTest::TearDown() {
  fs::current_path(previous_);
  fs::remove_all(dir_);
}

}  // namespace faults
