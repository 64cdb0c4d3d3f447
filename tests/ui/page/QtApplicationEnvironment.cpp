#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { m_app = new QApplication(m_argc, m_argv); }
    void TearDown() override { delete m_app; }

private:
    int m_argc = 1;
    char m_name[24] = "morvane_ui_page_tests";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
