// Makes the application object before the first test of the program, for
// tests that use widgets without setting anything up themselves.
#include "support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ziptest::ensureApplication(); }
};

[[maybe_unused]] const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
