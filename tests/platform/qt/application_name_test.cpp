#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "platform/application.h"

namespace kolvar {
namespace {

// On POSIX the command line names the executable, and Qt knows the program by the same name.
TEST(QtApplication, IsNamedAfterTheExecutableOfTheCommandLine) {
    class NameProbe : public CWinApp {
    public:
        std::string appName;
        QString qtName;

        bool InitInstance() override {
            appName = AppName();
            qtName = QCoreApplication::applicationName();
            return false;
        }
    };
    NameProbe app;
    char name[] = "/some/where/resistor-tool.bin";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(app.appName, "resistor-tool");
    EXPECT_EQ(app.qtName, "resistor-tool");
}

}  // namespace
}  // namespace kolvar
