#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "sim/PtyMeter.h"

// Until the main window lands, the program starts the simulated meter on a pseudo-terminal
// and says so.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    montira::sim::PtyMeter pty;
    QString error;
    if (!pty.start(&error)) return 1;
    QTextStream(stdout) << "montira: medidor simulado em " << pty.slavePath() << Qt::endl;
    return app.exec();
}
