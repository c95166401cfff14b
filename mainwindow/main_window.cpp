#include "main_window.h"

#include "about_window.h"
#include "caption_button.h"
#include "core/gene_editor.h"
#include "core/renderer.h"
#include "export_picture.h"
#include "main_window_desktop.h"
#include "platform/figure_icon.h"
#include "platform/picture_area.h"
#include "platform/picture_export.h"
#include "platform/program_folder.h"
#include "platform/window_layout.h"
#include "screen_modes.h"
#include "up_down.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <algorithm>
#include <array>

namespace vavivor {

namespace {

// The inner area under the menu bar: 15000 twips wide, and as high as the picture areas
// (200 + 9840 twips) with the same margin below them as above.
constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 682;

const QColor kWindowGrey(192, 192, 192);
const QColor kLineGrey(128, 128, 128);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string name(const char* base, int index) {
    return std::string(base) + "_" + std::to_string(index);
}

// The window's icon: the program's icon figure, sharp at every size the desktop asks for.
QIcon figureIcon() {
    QIcon icon;
    for (const int pixels : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(figureIconImage(kIconGenes, pixels)));
    }
    return icon;
}

} // namespace

struct MainWindow::Controls {
    std::array<QLabel*, kGeneCount> label1{};
    std::array<QLabel*, kGeneCount> lblGR{};
    std::array<UpDown*, kGeneCount> udGene{};
    std::array<QLabel*, kGeneCount> lblGene{};
    std::array<QLabel*, kGeneCount> lblGeneV{};
    QLabel* label2 = nullptr;
    QLabel* label3 = nullptr;
    QLabel* lblZel1 = nullptr;
    QCheckBox* ckbZel1 = nullptr;
    QPushButton* cmdZELscreen = nullptr;
    QPushButton* cmdZELNalt = nullptr;
    std::array<PictureArea*, 2> pics{};

    QLabel* statusText = nullptr;
};

MainWindow::MainWindow(const PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), m_services{platform, *this}, m_controls(std::make_unique<Controls>()) {
    setObjectName(QStringLiteral("frmZelMain"));
    setWindowTitle(QStringLiteral("VAVIVOR"));
    setWindowIcon(figureIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWindowGrey);
    colours.setColor(QPalette::Button, kWindowGrey);
    setPalette(colours);

    buildControls();
    m_state.genome.editor.addObserver(*this);
    buildMenus();
    statusBar()->setSizeGripEnabled(false);
    // What just happened stays in a label of the status bar; a menu's hints only cover it.
    m_controls->statusText = new QLabel(statusBar());
    m_controls->statusText->setObjectName(QStringLiteral("statusText"));
    m_controls->statusText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(m_controls->statusText, 1);
    fitMainWindowToDesktop(*this, [this](int topic) { showHelpTopic(m_state, m_services, topic); });
    // The controls stand at fixed places, so the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    m_state.genome.editor.removeObserver(*this);
}

void MainWindow::buildControls() {
    Controls& c = *m_controls;
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    const QFont heading = windowFont(9.75, true);
    const QFont large = windowFont(12.0);
    const auto label = [&](const std::string& objectName, const QRect& place,
                           const QString& caption, const QFont& font,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        auto* l = new QLabel(caption, client);
        l->setObjectName(text(objectName));
        l->setGeometry(place);
        l->setFont(font);
        l->setAlignment(alignment);
        return l;
    };
    const auto button = [&](const char* objectName, const QRect& place, const QString& caption,
                            int topic) {
        auto* b = new CaptionButton(caption, client);
        b->setObjectName(QLatin1String(objectName));
        b->setGeometry(place);
        b->setFont(windowFont(8.25, true));
        b->setProperty("helpTopic", topic);
        return b;
    };

    label("lblZELM1", twipsRect(360, 120, 3975, 255), QStringLiteral("ZELOID GENES"),
          windowFont(12.0, true));
    label("lblFGM2", twipsRect(0, 480, 1335, 375), QStringLiteral("GENE value"), heading,
          Qt::AlignHCenter | Qt::AlignTop);
    label("lblGFGM3", twipsRect(1560, 480, 2775, 375), QStringLiteral("Associated data"), heading,
          Qt::AlignHCenter | Qt::AlignTop);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    for (int i = 0; i < kGeneCount; ++i) {
        const int rowTop = 480 * i;
        c.label1[i] = label(name("Label1", i), twipsRect(120, 1080 + rowTop, 375, 255), {}, heading,
                            Qt::AlignRight | Qt::AlignTop);
        c.lblGR[i] = label(name("lblGR", i), twipsRect(480, 960 + rowTop, 465, 495), {},
                           windowFont(13.5), Qt::AlignCenter);
        c.lblGR[i]->setPalette(white);
        c.lblGR[i]->setAutoFillBackground(true);
        c.lblGR[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c.lblGR[i]->setProperty("helpTopic", 100);

        auto* arrows = new UpDown(client);
        arrows->setObjectName(text(name("udGene", i)));
        arrows->setGeometry(twipsRect(960, 960 + rowTop, 195, 495));
        arrows->setProperty("helpTopic", 100);
        connect(arrows, &UpDown::stepped, this,
                [this, i](int step) { stepEditorPosition(m_state.genome, i, step); });
        connect(arrows, &UpDown::typed, this,
                [this, i](int digit) { typeEditorPosition(m_state.genome, i, digit); });
        c.udGene[i] = arrows;

        c.lblGene[i] = label(name("lblGene", i), twipsRect(1560, 1080 + rowTop, 1935, 375), {},
                             large, Qt::AlignRight | Qt::AlignTop);
        c.lblGeneV[i] =
            label(name("lblGeneV", i), twipsRect(3720, 1080 + rowTop, 855, 255), {}, large);
        c.lblGeneV[i]->setProperty("helpTopic", 110 + i);
    }

    c.label2 =
        label("Label2", twipsRect(360, 5400, 1815, 375), QStringLiteral("Record number"), heading);
    c.label3 = label("Label3", twipsRect(2400, 5400, 1455, 375), {}, large);
    c.label3->setProperty("helpTopic", 120);

    auto* lnFGM1 = new QFrame(client);
    lnFGM1->setObjectName(QStringLiteral("lnFGM1"));
    lnFGM1->setGeometry(QRect(QPoint(twipsToPixels(360), twipsToPixels(6120)),
                              QPoint(twipsToPixels(4440), twipsToPixels(6120))));
    QPalette line = palette();
    line.setColor(QPalette::Window, kLineGrey);
    lnFGM1->setPalette(line);
    lnFGM1->setAutoFillBackground(true);

    label("lblZELM5", twipsRect(960, 6360, 2655, 255), QStringLiteral("OPERATIONS"), heading,
          Qt::AlignHCenter | Qt::AlignTop);
    c.lblZel1 = label("lblZel1", twipsRect(1200, 6840, 1455, 255), QStringLiteral("Auto-Print"),
                      heading, Qt::AlignRight | Qt::AlignTop);
    c.ckbZel1 = new QCheckBox(client);
    c.ckbZel1->setObjectName(QStringLiteral("ckbZel1"));
    c.ckbZel1->setGeometry(twipsRect(2760, 6840, 375, 255));
    c.ckbZel1->setProperty("helpTopic", 10);
    c.lblZel1->setBuddy(c.ckbZel1);

    c.cmdZELscreen = button("cmdZELscreen", twipsRect(600, 7440, 1335, 495), {}, 20);
    c.cmdZELNalt = button("cmdZELNalt", twipsRect(2880, 7440, 1335, 495), {}, 30);
    m_commands.drawRelatives = button("cmdZELRdraw", twipsRect(600, 8160, 1335, 495),
                                      QStringLiteral("DRAW RELATIVES"), 40);
    m_commands.drawMutations = button("cmdZELMdraw", twipsRect(2880, 8160, 1335, 495),
                                      QStringLiteral("DRAW MUTATIONS"), 50);
    m_commands.reviewMutations = button("cmdZELMrep", twipsRect(2880, 8880, 1335, 495),
                                        QStringLiteral("REVIEW MUTATIONS"), 60);
    connect(c.cmdZELscreen, &QPushButton::clicked, this, &MainWindow::layoutSwitchClicked);
    connect(c.cmdZELNalt, &QPushButton::clicked, this, &MainWindow::areaSwitchClicked);

    // A sunken border around the place of the two picture areas.
    auto* border = new QFrame(client);
    border->setObjectName(QStringLiteral("pictureBorder"));
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(1);
    border->setGeometry(twipsRect(5000, 200, 9840, 9840).adjusted(-1, -1, 1, 1));

    const char* pictureNames[] = {"pibZELMpica", "pibZELMpicb"};
    for (int i = 0; i < 2; ++i) {
        auto* area = new PictureArea(client);
        area->setObjectName(QLatin1String(pictureNames[i]));
        area->setGeometry(twipsRect(5000, 200, 9840, 9840));
        area->setProperty("helpTopic", 300);
        c.pics[i] = area;
    }
    c.pics[1]->hide();
}

void MainWindow::buildMenus() {
    const auto menu = [this](const char* objectName, const QString& caption, int topic) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QLatin1String(objectName));
        m->menuAction()->setProperty("helpTopic", topic);
        return m;
    };
    const auto item = [](QMenu* m, const char* objectName, const QString& caption, int topic) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QLatin1String(objectName));
        a->setProperty("helpTopic", topic);
        return a;
    };

    MainCommands& cmd = m_commands;
    QMenu* file = menu("mnuZELfile", QStringLiteral("&File"), 400);
    cmd.print = item(file, "mnuZELprint", QStringLiteral("&Print"), 402);
    cmd.preview = item(file, "mnuZELpreview", QStringLiteral("Print Pre&view"), 401);
    QAction* exportItem = item(file, "mnuZELexport", QStringLiteral("&Export Picture..."), 403);
    exportItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportItem, &QAction::triggered, this, [this] { exportPicture(m_state, m_services); });
    cmd.exportLineage =
        item(file, "mnuZELexportLineage", QStringLiteral("Export &Lineage..."), 414);
    cmd.save = item(file, "mnuZELsave", QStringLiteral("&Save"), 404);
    cmd.loadDelete = item(file, "mnuZELload", QStringLiteral("&Load/Delete"), 406);
    cmd.changeStorageFile = item(file, "mnuZELchng", QStringLiteral("&Change Storage file"), 408);
    cmd.deleteStorageFile = item(file, "mnuZELdel", QStringLiteral("&Delete Storage file"), 410);
    QAction* close = item(file, "mnuZELclose", QStringLiteral("&Close"), 412);

    // Figures out through the clipboard and genes in; the share wiring connects these items.
    QMenu* edit = menu("mnuZELedit", QStringLiteral("&Edit"), 450);
    cmd.copy = item(edit, "mnuZELcopy", QStringLiteral("&Copy"), 452);
    cmd.copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    cmd.paste = item(edit, "mnuZELpaste", QStringLiteral("&Paste Genes"), 454);
    cmd.paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    // Going back through the screens of the run; the history wiring connects these items.
    QMenu* go = menu("mnuZELgo", QStringLiteral("&Go"), 430);
    cmd.back = item(go, "mnuZELback", QStringLiteral("&Back"), 432);
    cmd.back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    cmd.forward = item(go, "mnuZELforward", QStringLiteral("&Forward"), 434);
    cmd.forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    cmd.familyTree = item(go, "mnuZELtree", QStringLiteral("&Family Tree"), 436);
    cmd.familyTree->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    cmd.replay = item(go, "mnuZELreplay", QStringLiteral("&Replay Lineage"), 439);
    cmd.earlierRuns = item(go, "mnuZELruns", QStringLiteral("&Earlier Runs..."), 438);
    cmd.back->setEnabled(false); // nothing has been drawn yet
    cmd.forward->setEnabled(false);
    cmd.replay->setEnabled(false);

    QMenu* help = menu("mnuZ_help", QStringLiteral("&Help"), 420);
    const auto helpItem = [&](const char* objectName, const QString& caption, int topic,
                              HelpView view) {
        connect(item(help, objectName, caption, topic), &QAction::triggered, this,
                [this, view] { showHelp(view); });
    };
    helpItem("mnuZ_Hcont", QStringLiteral("&Contents"), 422, HelpView::Contents);
    helpItem("mnuZ_Hindx", QStringLiteral("&Index"), 424, HelpView::Index);
    helpItem("mnuZ_Hfnd", QStringLiteral("Fi&nd"), 426, HelpView::Find);
    QAction* about = item(help, "mnuZ_Habout", QStringLiteral("&About"), 428);

    connect(close, &QAction::triggered, this, &MainWindow::endProgram);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

PictureArea* MainWindow::pictureArea(int index) const {
    return m_controls->pics.at(static_cast<std::size_t>(index));
}

void MainWindow::setStorageStartUp(std::function<void()> step) {
    m_storageStartUp = std::move(step);
}

void MainWindow::setStorageFileOpener(std::function<void(const std::string&)> opener) {
    m_storageFileOpener = std::move(opener);
}

void MainWindow::openStorageFile(const std::string& path) {
    if (m_storageFileOpener) {
        m_storageFileOpener(path);
    }
}

void MainWindow::setProgramFolder(const std::string& folder) {
    m_state.screen.programFolder = folder;
}

void MainWindow::startUp() {
    Controls& c = *m_controls;
    ProgramState& s = m_state;
    ScreenState& screen = s.screen;

    s.genome.editorReady = false;
    move(twipsToPixels(200), twipsToPixels(200));
    for (PictureArea* area : c.pics) {
        area->setGeometry(twipsRect(5000, 200, 9840, 9840));
    }
    if (screen.programFolder.empty()) {
        screen.programFolder = programFolder();
    }
    screen.helpFile = helpFilePath(screen.programFolder);
    initProgramState(s);
    screen.pics[screen.curPic] = c.pics[0];
    screen.pics[1 - screen.curPic] = c.pics[1];
    for (int i = 0; i < kGeneCount; ++i) {
        c.label1[i]->setText(QString::number(i + 1));
    }
    for (PictureArea* area : c.pics) {
        area->setScale(0, screen.picScale, screen.picScale, 0);
    }
    c.pics[screen.curPic]->show();
    c.pics[1 - screen.curPic]->hide();
    c.cmdZELNalt->setText(text(screen.altCaption[0]));
    screen.gridFlag[screen.curPic] = 0;
    setReviewVisible(false);
    c.cmdZELscreen->setText(text(layoutSwitchCaption(screen)));
    prepareSurface(screen.surface(), screen.gridFlag[screen.curPic], screen.gridN, screen.picScale);

    fillEditor(s.genome, *this);

    s.breeding.autoPrint = 0;
    c.ckbZel1->setChecked(false);
    c.lblZel1->hide();
    c.ckbZel1->hide();
    showRecordLabels(false);
    s.genome.editorReady = true;
    setSaveEnabled(false);

    statusBar()->showMessage(QString::fromUtf8(kEmptyAreaStatus), 20000);
    screen.storeListPath = screen.programFolder + "/" + kStoreListName;
    if (m_storageStartUp) {
        m_storageStartUp();
    }
}

void MainWindow::layoutSwitchClicked() {
    switchLayout(m_state.screen);
    refreshScreenControls();
    showStatus(areaStatus(m_state.screen));
}

void MainWindow::areaSwitchClicked() {
    Controls& c = *m_controls;
    switchPictureArea(m_state.screen);
    const int shown = m_state.screen.curPic;
    c.pics[shown]->show();
    c.pics[1 - shown]->hide();
    refreshScreenControls();
    showStatus(areaStatus(m_state.screen));
}

void MainWindow::refreshScreenControls() {
    Controls& c = *m_controls;
    const ScreenState& screen = m_state.screen;
    c.cmdZELNalt->setText(text(areaSwitchCaption(screen)));
    c.cmdZELscreen->setText(text(layoutSwitchCaption(screen)));
    const bool autoPrint = autoPrintShown(screen);
    c.lblZel1->setVisible(autoPrint);
    c.ckbZel1->setVisible(autoPrint);
}

void MainWindow::showHelp(HelpView view) {
    // Built anew for every call, as the help may have been installed or rebuilt meanwhile.
    m_state.screen.helpFile = helpFilePath(m_state.screen.programFolder);
    m_services.help.showHelp(m_state.screen.helpFile, view);
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::endProgram() {
    // Nothing is saved on the way out: every change has been written when it was made.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

void MainWindow::geneChanged(int gene) {
    const Controls& c = *m_controls;
    const GeneEditorModel& editor = m_state.genome.editor;
    const auto i = static_cast<std::size_t>(gene);
    c.lblGR.at(i)->setText(QString::number(editor.position(gene)));
    c.lblGeneV.at(i)->setText(text(editor.valueText(gene)));
}

void MainWindow::setGeneNameCaption(int gene, const std::string& caption) {
    m_controls->lblGene.at(static_cast<std::size_t>(gene))->setText(text(caption));
}

bool MainWindow::autoPrintTicked() const {
    return m_controls->ckbZel1->isChecked();
}

void MainWindow::setSaveEnabled(bool enabled) {
    m_commands.save->setEnabled(enabled);
}

void MainWindow::setLoadEnabled(bool enabled) {
    m_commands.loadDelete->setEnabled(enabled);
}

void MainWindow::setReviewVisible(bool visible) {
    m_commands.reviewMutations->setVisible(visible);
}

void MainWindow::showRecordLabels(bool visible) {
    m_controls->label2->setVisible(visible);
    m_controls->label3->setVisible(visible);
}

void MainWindow::setRecordNumberCaption(const std::string& caption) {
    m_controls->label3->setText(text(caption));
}

void MainWindow::showStatus(const std::string& text) {
    m_statusNote = text;
    // The label keeps the note when a menu's hint has replaced the message and gone again.
    m_controls->statusText->setText(QString::fromStdString(text));
    statusBar()->showMessage(m_controls->statusText->text());
}

void MainWindow::historyChanged(bool canGoBack, bool canGoForward) {
    m_commands.back->setEnabled(canGoBack);
    m_commands.forward->setEnabled(canGoForward);
    m_commands.replay->setEnabled(m_state.history.current() >= 0);
    emit historyMoved();
}

} // namespace vavivor
