#include "screen_bench.h"
#include "startup_bench.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// The offscreen platform says at every window that it cannot place it; the tables stay readable.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (vavivor::isStartUpProbe(argc, argv)) {
        return vavivor::runStartUpProbe(argc, argv);
    }
    qInstallMessageHandler(quietOffscreen);
    if (vavivor::isScaledClickProbe(argc, argv)) {
        return vavivor::runScaledClickProbe(argc, argv);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
