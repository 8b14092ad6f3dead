// One QApplication for the whole test program, made before the first test.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "controls_grid_tests";
        static char *argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication *m_app = nullptr;
};

[[maybe_unused]] const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
