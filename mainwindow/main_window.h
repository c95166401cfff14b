#pragma once

#include "core/help_viewer.h"
#include "core/main_controls.h"
#include "core/program_state.h"
#include "core/services.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QPushButton;

namespace vavivor {

class PictureArea;

// The buttons and menu items of the main window that the subsystems connect to their logic
// (mainwindow/*_wiring.cpp). The window makes them all, so none is ever missing.
struct MainCommands {
    QPushButton* drawRelatives = nullptr;   // cmdZELRdraw
    QPushButton* drawMutations = nullptr;   // cmdZELMdraw
    QPushButton* reviewMutations = nullptr; // cmdZELMrep
    QAction* print = nullptr;               // mnuZELprint
    QAction* preview = nullptr;             // mnuZELpreview
    QAction* save = nullptr;                // mnuZELsave
    QAction* loadDelete = nullptr;          // mnuZELload
    QAction* changeStorageFile = nullptr;   // mnuZELchng
    QAction* deleteStorageFile = nullptr;   // mnuZELdel
    QAction* back = nullptr;                // mnuZELback
    QAction* forward = nullptr;             // mnuZELforward
    QAction* familyTree = nullptr;          // mnuZELtree
    QAction* replay = nullptr;              // mnuZELreplay
    QAction* copy = nullptr;                // mnuZELcopy
    QAction* paste = nullptr;               // mnuZELpaste
    QAction* earlierRuns = nullptr;         // mnuZELruns
    QAction* exportLineage = nullptr;       // mnuZELexportLineage
};

// frmZelMain: the main window with the gene editor, the operation buttons, the two picture
// areas and the menus. It owns the program state; the subsystems connect their own controls
// to it (see app/) and work on state() and services(). The gene editor shows
// state().genome.editor.
class MainWindow : public QMainWindow, public MainControls, private GeneEditorObserver {
    Q_OBJECT

public:
    explicit MainWindow(const PlatformServices& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    ProgramState& state() { return m_state; }
    Services& services() { return m_services; }
    // The picture area with index 0 (pibZELMpica) or 1 (pibZELMpicb).
    PictureArea* pictureArea(int index) const;
    [[nodiscard]] const MainCommands& commands() const { return m_commands; }

    // The storage steps of start-up: reading the storage list and scanning the current
    // storage file. Set before startUp().
    void setStorageStartUp(std::function<void()> step);
    // What opening a storage file named on the command line does; openStorageFile() calls it.
    void setStorageFileOpener(std::function<void(const std::string&)> opener);
    // Makes `path` the current storage file as File > Change Storage file would and shows its
    // catalogue (see connectStorage). Call after startUp().
    void openStorageFile(const std::string& path);
    // Where the storage list lives and the help is looked for first. Without it, start-up
    // takes the folder of the running program (platform/program_folder.h). Set before
    // startUp().
    void setProgramFolder(const std::string& folder);
    // The start-up sequence, run once when the window loads.
    void startUp();

    // MainControls
    void setGeneNameCaption(int gene, const std::string& caption) override;
    bool autoPrintTicked() const override;
    void setSaveEnabled(bool enabled) override;
    void setLoadEnabled(bool enabled) override;
    void setReviewVisible(bool visible) override;
    void showRecordLabels(bool visible) override;
    void setRecordNumberCaption(const std::string& caption) override;
    void showStatus(const std::string& text) override;
    std::string status() const override { return m_statusNote; }
    void historyChanged(bool canGoBack, bool canGoForward) override;

signals:
    // The history of screens has a new entry or a new current one.
    void historyMoved();

protected:
    // Closing the window ends the program at once, as Close in the File menu does.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Controls;

    void buildControls();
    void buildMenus();
    void layoutSwitchClicked();
    void areaSwitchClicked();
    // The switch captions and the Auto-Print controls follow the area in use.
    void refreshScreenControls();
    // GeneEditorObserver: the position box and the value beside the name follow the editor.
    void geneChanged(int gene) override;
    void showHelp(HelpView view);
    void showAbout();
    void endProgram();

    ProgramState m_state;
    std::string m_statusNote; // what showStatus said last
    Services m_services;
    std::function<void()> m_storageStartUp;
    std::function<void(const std::string&)> m_storageFileOpener;
    std::unique_ptr<Controls> m_controls;
    MainCommands m_commands;
};

} // namespace vavivor
