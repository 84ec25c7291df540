#include <QApplication>
#include <iostream>

#include "gui/qt/Appearance.h"
#include "gui/qt/QtPlatform.h"
#include "platform/HugePageHeap.h"
#include "wizard/CCorvaneApp.h"

int main(int argc, char** argv)
{
    // Before the heap grows and before Qt starts its threads.
    corvane::platform::PreferHugePagesForHeap();
    QApplication app(argc, argv);
    corvane::qt::SetUpAppearance(app);

    // Qt has taken its own options out of argv; the rest is the start parameter.
    corvane::qt::QtPlatform platform(corvane::platform::JoinArguments(argc, argv), std::cout);
    const corvane::platform::Services services = platform.Services();
    corvane::CCorvaneApp corvane(services, std::cout);
    return corvane.Run();
}
