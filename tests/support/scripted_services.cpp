#include "scripted_services.h"

#include "core/picture.h"

#include <random>

namespace vavivor {

namespace {

template <typename T> T takeOr(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

void ScriptedDialogs::message(const std::string& text, const std::string& title) {
    shown.push_back({"message", text, title});
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> texts;
    for (const Shown& s : shown) {
        if (s.kind == "message") {
            texts.push_back(s.text);
        }
    }
    return texts;
}

bool ScriptedDialogs::askYesNo(const std::string& text, const std::string& title) {
    shown.push_back({"yesno", text, title});
    return takeOr(yesNoAnswers, false);
}

std::optional<std::string> ScriptedDialogs::askText(const std::string& prompt,
                                                    const std::string& title) {
    shown.push_back({"text", prompt, title});
    return takeOr(texts, std::optional<std::string>());
}

std::optional<std::string> ScriptedDialogs::chooseStorageFile(const std::string& title,
                                                              bool mustExist) {
    shown.push_back({"file", {}, title});
    fileMustExist.push_back(mustExist);
    return takeOr(files, std::optional<std::string>());
}

std::optional<std::string> ScriptedDialogs::chooseSvgFile(const std::string& title) {
    shown.push_back({"svg", {}, title});
    return takeOr(files, std::optional<std::string>());
}

std::optional<std::string> ScriptedDialogs::choosePictureFile(const std::string& title) {
    shown.push_back({"picture", {}, title});
    return takeOr(files, std::optional<std::string>());
}

std::optional<std::string> ScriptedDialogs::chooseLineageFile(const std::string& title) {
    shown.push_back({"lineage", {}, title});
    return takeOr(files, std::optional<std::string>());
}

std::optional<int> ScriptedDialogs::askNumber(const std::string& prompt, const std::string& title,
                                              int value, int /*low*/, int /*high*/) {
    shown.push_back({"number", prompt, title});
    return takeOr(numbers, std::optional<int>(value));
}

bool ScriptedPrintDialogs::setupPrinter(const std::string& title) {
    setupTitles.push_back(title);
    return true;
}

bool ScriptedPrintDialogs::chooseDestination(const std::string& title) {
    setupTitles.push_back(title);
    return true;
}

void ScriptedPrintDialogs::showPreview(const std::string& /*title*/,
                                       const std::function<void(PrinterPage&)>& compose) {
    RecordingPrinterPage preview;
    compose(preview);
}

PrintChoice ScriptedPrintDialogs::askPrintChoice() {
    ++choicesAsked;
    return takeOr(choices, PrintChoice::Continue);
}

RecordingPrinterPage::Item RecordingPrinterPage::make(Item::Kind kind) const {
    Item item;
    item.kind = kind;
    item.x = m_x;
    item.y = m_y;
    item.page = m_page;
    return item;
}

double RecordingPrinterPage::textWidth(const std::string& text) {
    return static_cast<double>(text.size()) * m_fontSize * 10.0;
}

void RecordingPrinterPage::printText(const std::string& text, bool lineEnd) {
    Item item = make(Item::Kind::Text);
    item.text = text;
    items.push_back(item);
    if (lineEnd) {
        m_x = 0.0;
        m_y += lineHeight(m_fontSize);
    } else {
        m_x += textWidth(text);
    }
}

void RecordingPrinterPage::lineEnd() {
    items.push_back(make(Item::Kind::LineEnd));
    m_x = 0.0;
    m_y += lineHeight(m_fontSize);
}

void RecordingPrinterPage::drawPicture(const Picture& picture, double x, double y, double size) {
    Item item = make(Item::Kind::Picture);
    item.x = x;
    item.y = y;
    item.size = size;
    item.pictureItems = picture.items().size();
    items.push_back(item);
}

void RecordingPrinterPage::newPage() {
    items.push_back(make(Item::Kind::NewPage));
    ++m_page;
    m_x = 0.0;
    m_y = 0.0;
}

bool RecordingPrinterPage::endDoc() {
    items.push_back(make(Item::Kind::EndDoc));
    ++documents;
    m_page = 1;
    m_x = 0.0;
    m_y = 0.0;
    if (failingEndDocs > 0) {
        --failingEndDocs;
        failText = "the printer is out of paper";
        return false;
    }
    return true;
}

void RecordingHelpViewer::showHelp(const std::string& path, HelpView view) {
    paths.push_back(path);
    views.push_back(view);
}

void RecordingHelpViewer::showTopic(const std::string& path, int topic) {
    paths.push_back(path);
    topics.push_back(topic);
}

void ScriptedRandom::queueDraws(unsigned seed, int count) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < count; ++i) {
        numbers.push_back(uniform(engine));
    }
}

double ScriptedRandom::next() {
    ++draws;
    if (!numbers.empty()) {
        m_last = numbers.front();
        numbers.pop_front();
    }
    return m_last;
}

} // namespace vavivor
