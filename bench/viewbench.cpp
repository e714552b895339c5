#include "viewbench.h"

#include "application.h"
#include "platform.h"
#include "startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

QMainWindow& StartTheRealWindow()
{
    StartUp();
    fw::RuntimeStartLoop();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("Cadenzo") && widget->isVisible())
            if (auto* window = qobject_cast<QMainWindow*>(widget))
                return *window;
    throw std::runtime_error("no main window");
}

void TypeOneKey(QWidget* field, bool& added)
{
    QTest::keyClick(field, added ? Qt::Key_Backspace : Qt::Key_2);
    added = !added;
    QCoreApplication::processEvents();
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto folder = std::filesystem::temp_directory_path() / "cadenzo-bench";
    std::filesystem::create_directories(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    fwqt::Platform platform(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::RuntimeShutdown();
    return 0;
}
