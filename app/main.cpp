#include "app/Application.h"
#include "app/Mainform.h"
#include "platform/HugePageHeap.h"

int main(int argc, char **argv)
{
    platform::startWithHugePageHeap(argv);
    OrvexApplication application(argc, argv);
    setUpApplication(application);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    auto windows = ApplicationWindows::create(arguments);
    windows->Mainform->show();
    return application.exec();
}
