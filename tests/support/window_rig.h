#pragma once

#include "mainwindow/main_window.h"
#include "platform/picture_area.h"
#include "scripted_services.h"
#include "user_input.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>

namespace vavivor {

// The main window on scripted services, its program folder a temporary folder, wired by `wire`
// and started and shown unless told otherwise. For QtTest programs only.
struct WindowRig {
    explicit WindowRig(const std::function<void(MainWindow&)>& wire = {}, bool started = true) {
        start(wire, started);
    }
    // The same printing on `printer` instead of the recording printer.
    WindowRig(PrinterPage& printer, const std::function<void(MainWindow&)>& wire)
        : window{platform.services(&printer)} {
        start(wire, true);
    }

    void start(const std::function<void(MainWindow&)>& wire, bool started) {
        window.setProgramFolder(folder.path().toStdString());
        if (wire) {
            wire(window);
        }
        if (started) {
            window.startUp();
            window.show();
        }
    }

    template <typename T = QWidget> T* find(const QString& name, QObject* in = nullptr) {
        T* found = (in != nullptr ? in : &window)->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QString caption(const QString& name, QObject* in = nullptr) {
        return find<QLabel>(name, in)->text();
    }
    bool shown(const QString& name) { return !find(name)->isHidden(); }
    void press(const QString& button) { userClick(find<QPushButton>(button)); }
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }
    std::size_t items(int area) { return window.pictureArea(area)->picture().items().size(); }
    GeneSet editorGenes() const {
        GeneSet genes{};
        for (int g = 0; g < kGeneCount; ++g) {
            genes[g] = static_cast<std::int16_t>(
                window.findChild<QLabel*>(QStringLiteral("lblGR_%1").arg(g))->text().toInt());
        }
        return genes;
    }
    std::string path(const QString& name) const { return folder.filePath(name).toStdString(); }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    MainWindow window{platform.services()};
};

} // namespace vavivor
