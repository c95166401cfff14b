#include "windowless_screen.h"

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/gene_editor.h"
#include "core/help_viewer.h"
#include "core/main_controls.h"
#include "core/printer_page.h"
#include "core/random_source.h"

#include <array>

namespace vavivor::cli {

namespace {

// An editor that keeps its captions; every other control is out of sight.
class CaptionControls : public MainControls {
public:
    std::string geneCaption(int gene) const override { return m_captions[gene]; }
    void setGeneCaption(int gene, const std::string& caption) override {
        m_captions[gene] = caption;
    }
    void setGeneNameCaption(int, const std::string&) override {}
    void setGeneValueCaption(int, const std::string&) override {}
    bool autoPrintTicked() const override { return false; }
    void setSaveEnabled(bool) override {}
    void setLoadEnabled(bool) override {}
    void setReviewVisible(bool) override {}
    void showRecordLabels(bool) override {}
    void setRecordNumberCaption(const std::string&) override {}
    void showStatus(const std::string&) override {}

private:
    std::array<std::string, kGeneCount> m_captions;
};

class SilentDialogs : public Dialogs {
public:
    void message(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseStorageFile(const std::string&, bool) override {
        return std::nullopt;
    }
};

// The print pause answers Continue; before that the figure on the picture is kept.
class ContinuePrintDialogs : public PrintDialogs {
public:
    explicit ContinuePrintDialogs(std::function<void()> atPause) : m_atPause(std::move(atPause)) {}

    bool setupPrinter(const std::string&) override { return false; }
    PrintChoice askPrintChoice() override {
        m_atPause();
        return PrintChoice::Continue;
    }

private:
    std::function<void()> m_atPause;
};

class NoPrinter : public PrinterPage {
public:
    void setFontName(const std::string&) override {}
    void setFontBold(bool) override {}
    void setFontSize(double) override {}
    double currentX() const override { return 0.0; }
    double currentY() const override { return 0.0; }
    void setCurrentX(double) override {}
    void setCurrentY(double) override {}
    void printText(const std::string&, bool) override {}
    void lineEnd() override {}
    void drawPicture(const Picture&, double, double, double) override {}
    void newPage() override {}
    int pageNumber() const override { return 1; }
    bool endDoc() override { return false; }
    std::string failure() const override { return "there is no printer without a window"; }
};

class NoHelp : public HelpViewer {
public:
    void showHelp(const std::string&, HelpView) override {}
    void showTopic(const std::string&, int) override {}
};

class NoDate : public Clock {
public:
    std::string longDate() const override { return {}; }
};

// A recording picture area that notices where each figure starts: drawCell reaches a label's
// corner with an invisible line up and to the left, then prints the label.
class FigureTrackingSurface : public RecordingSurface {
public:
    // Called with the label and the index of its invisible line.
    std::function<void(const std::string&, std::size_t, double, double)> onLabel;

    void line(double x1, double y1, double x2, double y2, Colour colour) override {
        m_lastLine = picture().items().size();
        m_labelLine = colour == kWhite && x2 < x1;
        m_lineStart = {x1, y1};
        RecordingSurface::line(x1, y1, x2, y2, colour);
    }
    void rectangle(double x1, double y1, double x2, double y2, Colour colour) override {
        m_labelLine = false;
        RecordingSurface::rectangle(x1, y1, x2, y2, colour);
    }
    void printText(std::string_view text) override {
        if (m_labelLine && onLabel) {
            onLabel(std::string(text), m_lastLine, m_lineStart[0], m_lineStart[1]);
        }
        m_labelLine = false;
        RecordingSurface::printText(text);
    }
    void clear() override {
        m_labelLine = false;
        RecordingSurface::clear();
    }

private:
    std::size_t m_lastLine = 0;
    bool m_labelLine = false;
    std::array<double, 2> m_lineStart{};
};

int cellAtCentre(double x, double y) {
    return kGridN * static_cast<int>((900.0 - y) / 200.0) + static_cast<int>((x - 100.0) / 200.0);
}

} // namespace

struct WindowlessScreen::Parts {
    explicit Parts(Layout layout)
        : full(layout == Layout::Full),
          printDialogs([this] { snapshots.push_back(surfaces[0].picture()); }),
          services{PlatformServices{dialogs, printDialogs, printer, help, random, clock},
                   controls} {}

    bool full;
    std::array<FigureTrackingSurface, 2> surfaces;
    std::vector<Picture> snapshots;
    ProgramState state;
    CaptionControls controls;
    SilentDialogs dialogs;
    ContinuePrintDialogs printDialogs;
    NoPrinter printer;
    NoHelp help;
    TwisterRandom random;
    NoDate clock;
    Services services;
};

WindowlessScreen::WindowlessScreen(Layout layout) : m_parts(std::make_unique<Parts>(layout)) {
    ProgramState& state = m_parts->state;
    initProgramState(state);
    state.screen.pics = {&m_parts->surfaces[0], &m_parts->surfaces[1]};
    for (auto& surface : m_parts->surfaces) {
        surface.setScale(0, state.screen.picScale, state.screen.picScale, 0);
    }
    state.screen.gridFlag[0] = m_parts->full ? 1 : 0;
    fillEditor(state.genome, m_parts->controls);
    state.genome.editorReady = true;
}

WindowlessScreen::~WindowlessScreen() = default;

ProgramState& WindowlessScreen::state() {
    return m_parts->state;
}

Services& WindowlessScreen::services() {
    return m_parts->services;
}

void WindowlessScreen::setEditor(const GeneSet& genes) {
    for (int g = 0; g < kGeneCount; ++g) {
        m_parts->controls.setGeneCaption(g, std::to_string(genes[g]));
    }
}

void WindowlessScreen::useSeed(std::uint32_t seed) {
    m_parts->random.useSeed(seed);
}

ScreenDrawing WindowlessScreen::run(const std::function<void(ProgramState&, Services&)>& draw) {
    Parts& parts = *m_parts;
    ProgramState& state = parts.state;
    ScreenDrawing drawing;
    std::vector<std::array<double, 2>> centres;
    parts.snapshots.clear();
    parts.surfaces[0].onLabel = [&](const std::string& label, std::size_t item, double x,
                                    double y) {
        ScreenFigure figure;
        figure.label = label;
        figure.genes = state.genome.genePos;
        figure.picture = parts.full ? parts.snapshots.size() : 0;
        figure.firstItem = item;
        drawing.figures.push_back(figure);
        centres.push_back({x, y});
    };
    draw(state, parts.services);
    parts.surfaces[0].onLabel = nullptr;

    if (parts.full) {
        drawing.pictures = std::move(parts.snapshots);
    } else {
        drawing.pictures.push_back(parts.surfaces[0].picture());
    }
    // A figure ends where the next one on its picture starts.
    for (std::size_t i = 0; i < drawing.figures.size(); ++i) {
        ScreenFigure& figure = drawing.figures[i];
        const bool nextOnSamePicture =
            i + 1 < drawing.figures.size() && drawing.figures[i + 1].picture == figure.picture;
        figure.endItem = nextOnSamePicture ? drawing.figures[i + 1].firstItem
                         : figure.picture < drawing.pictures.size()
                             ? drawing.pictures[figure.picture].items().size()
                             : figure.firstItem;
    }
    // The cells: where the grid put each figure; full screen, where the grid would put it.
    for (std::size_t i = 0; i < drawing.figures.size(); ++i) {
        ScreenFigure& figure = drawing.figures[i];
        if (!parts.full) {
            figure.cell = cellAtCentre(centres[i][0], centres[i][1]);
        } else if (state.breeding.sequenceShown || i == 0) {
            figure.cell = state.breeding.sequenceShown ? static_cast<int>(i) : kCellCount / 2;
        } else {
            // Relatives: gene g's +1 relative is figure 2g + 1, its -1 relative figure 2g + 2.
            const auto g = static_cast<int>((i - 1) / 2);
            const auto& plus = state.relatives.geneLabelPos[g];
            figure.cell = i % 2 == 1 ? cellAtCentre(plus[0], plus[1])
                                     : cellAtCentre(state.screen.picScale - plus[0],
                                                    state.screen.picScale - plus[1]);
        }
    }
    return drawing;
}

} // namespace vavivor::cli
