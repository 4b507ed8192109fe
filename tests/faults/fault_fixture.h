// fault_fixture.h -- each fault test in a folder of its own holding the fault tests' game
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace faults {

class FaultTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir_, previous_;
};

}  // namespace faults
