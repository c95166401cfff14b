#pragma once

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/help_viewer.h"
#include "core/printer_page.h"
#include "core/random_source.h"
#include "core/services.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vavivor {

// Dialogs that answer from queues filled by the test and log what they were asked.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind; // "message", "yesno", "text", "file", "svg", "picture", "lineage",
                          // "number"
        std::string text;
        std::string title;
    };

    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& title) override;
    std::optional<std::string> chooseStorageFile(const std::string& title, bool mustExist) override;
    std::optional<std::string> chooseSvgFile(const std::string& title) override;
    std::optional<std::string> choosePictureFile(const std::string& title) override;
    std::optional<std::string> chooseLineageFile(const std::string& title) override;
    std::optional<int> askNumber(const std::string& prompt, const std::string& title, int value,
                                 int low, int high) override;

    // The texts of the messages shown, in order.
    std::vector<std::string> messages() const;

    std::deque<bool> yesNoAnswers;                // empty: No
    std::deque<std::optional<std::string>> texts; // empty: Cancel
    std::deque<std::optional<std::string>> files; // every file dialog; empty: Cancel
    std::deque<std::optional<int>> numbers;       // empty: OK with the value offered
    std::vector<Shown> shown;
    std::vector<bool> fileMustExist;
};

// A printer that keeps every item with the position it was printed at; the font size sets the
// line height and text widths.
class RecordingPrinterPage : public PrinterPage {
public:
    struct Item {
        enum class Kind { Text, LineEnd, Picture, NewPage, EndDoc } kind = Kind::Text;
        std::string text;
        double x = 0.0;
        double y = 0.0;
        int page = 1;
        double size = 0.0;            // Picture
        std::size_t pictureItems = 0; // Picture: how many items it held
    };

    void setFontName(const std::string& /*name*/) override {}
    void setFontBold(bool /*bold*/) override {}
    void setFontSize(double points) override { m_fontSize = points; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    void printText(const std::string& text, bool lineEnd) override;
    void lineEnd() override;
    // The width of `text` in twips in the current font, roughly.
    double textWidth(const std::string& text) override;
    double printableWidth() override { return kPrintableWidth; }
    void drawPicture(const Picture& picture, double x, double y, double size) override;
    void newPage() override;
    int pageNumber() const override { return m_page; }
    bool endDoc() override;
    std::string failure() const override { return failText; }

    // The height of one text line in twips for a font of `points`.
    static constexpr double lineHeight(double points) { return points * 23.0; }
    static constexpr double kPrintableWidth = 11512.0;

    // Items of finished documents, then of the document in progress.
    std::vector<Item> items;
    int documents = 0;
    int failingEndDocs = 0; // how many of the next documents the printer refuses
    std::string failText;

private:
    Item make(Item::Kind kind) const;

    double m_fontSize = 10.0;
    double m_x = 0.0;
    double m_y = 0.0;
    int m_page = 1;
};

class ScriptedPrintDialogs : public PrintDialogs {
public:
    // Always OK; the cancelled printer dialog is tested with the real dialogs.
    bool setupPrinter(const std::string& title) override;
    bool chooseDestination(const std::string& title) override;
    // Composes the document on a recording page.
    void showPreview(const std::string& title,
                     const std::function<void(PrinterPage&)>& compose) override;
    PrintChoice askPrintChoice() override;

    std::deque<PrintChoice> choices;      // empty: Continue
    std::vector<std::string> setupTitles; // of the printer and the save dialogs
    int choicesAsked = 0;
};

class RecordingHelpViewer : public HelpViewer {
public:
    void showHelp(const std::string& path, HelpView view) override;
    void showTopic(const std::string& path, int topic) override;

    std::vector<std::string> paths;
    std::vector<HelpView> views;
    std::vector<int> topics;
};

// Uniform numbers from a queue; when the queue runs dry it repeats the last number given.
class ScriptedRandom : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    double next() override;

    // Queues `count` numbers of a fixed generator started with `seed`.
    void queueDraws(unsigned seed, int count = 48);
    // A fixed seed is only kept in `seed`, which lastSeed() reports.
    void useSeed(std::uint32_t fixed) override { seed = fixed; }
    std::uint32_t lastSeed() const override { return seed; }

    std::deque<double> numbers;
    int reseeds = 0;
    int draws = 0;
    std::uint32_t seed = 0;

private:
    double m_last = 0.0;
};

class FixedClock : public Clock {
public:
    std::string longDate() const override { return date; }
    std::string date = "Saturday, 5 December 2026";
};

// All scripted services in one place, ready to be handed to the logic.
struct ScriptedPlatform {
    ScriptedDialogs dialogs;
    ScriptedPrintDialogs printDialogs;
    RecordingPrinterPage printer;
    RecordingHelpViewer help;
    ScriptedRandom random;
    FixedClock clock;

    // The scripted services, with whichever of `page`, `printing` and `draws` is given in place
    // of the scripted one.
    PlatformServices services(PrinterPage* page = nullptr, PrintDialogs* printing = nullptr,
                              RandomSource* draws = nullptr) {
        return PlatformServices{dialogs,
                                printing != nullptr ? *printing : printDialogs,
                                page != nullptr ? *page : printer,
                                help,
                                draws != nullptr ? *draws : random,
                                clock};
    }
};

} // namespace vavivor
