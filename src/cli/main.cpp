#include "cli/CliApp.h"

#include <QCoreApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dovrel-cleaner-cli"));
    std::vector<std::string> args(argv + 1, argv + argc);
    return dovrel::CliApp().run(std::move(args));
}
