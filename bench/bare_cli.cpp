// The baseline for the command-line tool's start-up: what any Qt Core
// program does before its own work (make the application object, read the
// arguments) and one printed line.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    std::printf("%d arguments, the last '%s'\n", int(arguments.size()),
                arguments.last().toLocal8Bit().constData());
    return 0;
}
