#include "breeding/draw_mutations.h"
#include "breeding/earlier_runs.h"
#include "breeding/history_screens.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "storage/run_file.h"
#include "storage/run_recorder.h"
#include "storage_fakes.h"
#include "support/child_output.h"
#include "support/file_limit.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vavivor {
namespace {

// The logic rig keeping its run in a temporary runs folder.
struct RunRig {
    // `data`: the data folder, when it must outlive the rig; else a temporary one.
    explicit RunRig(std::string data = {})
        : base(data.empty() ? folder.path().toStdString() : std::move(data)) {
        rig.services.runLog = &recorder;
    }
    std::string runs() const { return base + "/runs"; }

    QTemporaryDir folder;
    std::string base;
    LogicRig rig;
    RunRecorder recorder{[this] { return runs(); },
                         [] { return std::string("2026-12-06T10:15:30"); }};
};

void expectSameHistory(const HistoryState& read, const HistoryState& kept) {
    ASSERT_EQ(read.size(), kept.size());
    EXPECT_EQ(read.current(), kept.current());
    for (int i = 0; i < kept.size(); ++i) {
        const HistoryEntry& a = read.entry(i);
        const HistoryEntry& b = kept.entry(i);
        EXPECT_TRUE(a.screen == b.screen) << "screen " << i;
        EXPECT_EQ(a.parent, b.parent) << "screen " << i;
        EXPECT_EQ(a.children, b.children) << "screen " << i;
        EXPECT_EQ(a.lastChild, b.lastChild) << "screen " << i;
        EXPECT_EQ(a.lane, b.lane) << "screen " << i;
    }
}

// ---------------------------------------------------------------- round trip

TEST(RunFileTest, ABranchedRunReadsBackEntryForEntryWithItsCurrentScreen) {
    const QTemporaryDir data;
    std::string path;
    HistoryState kept;
    {
        RunRig r(data.path().toStdString());
        LogicRig& rig = r.rig;
        EXPECT_FALSE(QDir(QString::fromStdString(r.runs())).exists()) << "made before any screen";
        // Genes at both bounds, so that some mutant labels name a change that a bound stopped.
        rig.setEditor(GeneSet{9, 1, 9, 1, 5, 5, 9, 1});
        rig.platform.random.queueDraws(7);
        breedMutations(rig.state, rig.services);
        reviewMutations(rig.state, rig.services);
        breedRelatives(rig.state, rig.services);
        goBack(rig.state, rig.services);
        goBack(rig.state, rig.services);
        rig.platform.random.queueDraws(8);
        breedMutations(rig.state, rig.services); // a second branch under the first screen
        // A loaded record, and a screen that no builder draws: both keep what they show.
        Screen record = reviewScreen(rig.state.genome.cellPos[3], rig.state.genome.cellPos);
        record.recordNumber = 7;
        record.store = "/home/someone/figures.zlr";
        showLoadedRecord(rig.state, rig.services, record);
        Screen odd = relativesScreen(GeneSet{2, 3, 4, 5, 6, 7, 8, 9});
        odd.figures[3].label = "moved by hand";
        odd.figures.pop_back();
        recordScreen(rig.state, rig.services, odd);
        showHistoryEntry(rig.state, rig.services, 2);
        goBack(rig.state, rig.services);

        const RunFileRead read = readRunFile(r.recorder.path());
        ASSERT_TRUE(read.run) << read.error;
        EXPECT_EQ(read.run->started, "2026-12-06T10:15:30");
        EXPECT_EQ(r.recorder.path(), r.runs() + "/run-2026-12-06T10-15-30.vrun");
        expectSameHistory(read.run->history, rig.state.history);
        EXPECT_TRUE(rig.platform.dialogs.messages().empty());
        path = r.recorder.path();
        kept = rig.state.history;

        // Another copy that opens the run while this one still writes it breeds on in a file of
        // its own, which holds the whole history.
        RunRig other(r.base);
        ASSERT_TRUE(openRun(other.rig.state, other.rig.services, path));
        EXPECT_EQ(other.rig.platform.dialogs.messages().size(), 1U);
        other.rig.platform.random.queueDraws(9);
        breedMutations(other.rig.state, other.rig.services);
        ASSERT_NE(other.recorder.path(), path);
        const RunFileRead own = readRunFile(other.recorder.path());
        ASSERT_TRUE(own.run) << own.error;
        expectSameHistory(own.run->history, other.rig.state.history);
    }

    // Opened again in a fresh program, the run goes on in its own file.
    RunRig again(data.path().toStdString());
    ASSERT_TRUE(openRun(again.rig.state, again.rig.services, path));
    EXPECT_EQ(again.rig.controls.shownGenes, kept.entry(1).screen.central);
    again.rig.platform.random.queueDraws(9);
    breedMutations(again.rig.state, again.rig.services);
    EXPECT_EQ(again.recorder.path(), path);
    const RunFileRead grown = readRunFile(path);
    ASSERT_TRUE(grown.run) << grown.error;
    expectSameHistory(grown.run->history, again.rig.state.history);
    EXPECT_EQ(grown.run->history.entry(kept.size()).parent, 1);
}

// ---------------------------------------------------------------- damage

TEST(RunFileTest, DamageIsToldApartFromALastLineThatTheStopCutShort) {
    const QTemporaryDir data;
    auto first = std::make_unique<RunRig>(data.path().toStdString());
    RunRig& r = *first;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        r.rig.platform.random.queueDraws(seed);
        breedMutations(r.rig.state, r.rig.services);
    }
    const std::string path = r.recorder.path();
    const std::string whole = fileBytes(path).toStdString();
    const std::size_t lastLine = whole.rfind('\n', whole.size() - 2) + 1;
    const auto screensOf = [&](const std::string& text) {
        const RunFileRead read = parseRunText(text, path);
        EXPECT_TRUE(read.run) << read.error;
        return read.run ? read.run->history.size() : -1;
    };
    // Cut inside the last line, or a last line that is no JSON: the screens before it stay.
    EXPECT_EQ(screensOf(whole.substr(0, whole.size() - 40)), 2);
    EXPECT_EQ(screensOf(whole + "{\"entry\":3,\"par\n"), 3);

    const auto says = [&](const std::string& text, const std::string& reason) {
        const std::string error = parseRunText(text, path).error;
        EXPECT_NE(error.find(path + reason), std::string::npos) << error;
    };
    says("PK\x03\x04 garbage\n", " is not a Vavivor run file");
    std::string newer = whole;
    newer.replace(newer.find("\"version\":1"), 11, "\"version\":99");
    says(newer, " was written by a newer Vavivor (run file version 99)");
    std::string broken = whole;
    broken.insert(lastLine, "not json\n");
    says(broken, " is damaged: line 4 is not a JSON object.");
    std::string skipped = whole;
    skipped.erase(skipped.find('\n') + 1, lastLine - skipped.find('\n') - 1);
    says(skipped, " is damaged: line 2 is neither the next screen of the run nor a move.");

    // A run whose last line was cut short goes on after the screens before it.
    const std::string runs = r.runs();
    first.reset(); // the copy that wrote it has ended
    writeBytes(path, QByteArray::fromStdString(whole.substr(0, whole.size() - 40)));
    RunRig again(data.path().toStdString());
    ASSERT_TRUE(openRun(again.rig.state, again.rig.services, path));
    again.rig.platform.random.queueDraws(4);
    breedMutations(again.rig.state, again.rig.services);
    const RunFileRead read = readRunFile(path);
    ASSERT_TRUE(read.run) << read.error;
    expectSameHistory(read.run->history, again.rig.state.history);

    // The list shows the damaged file after the good ones, and Open names the reason.
    writeBytes(runs + "/run-2027-01-01T00-00-00.vrun", QByteArray::fromStdString(broken));
    const std::vector<RunListing> listed = listRuns(runs);
    ASSERT_EQ(listed.size(), 2U);
    EXPECT_EQ(listed[0].screens, 3);
    EXPECT_NE(listed[1].error.find("is damaged: line 4"), std::string::npos);
    EXPECT_FALSE(openRun(again.rig.state, again.rig.services, listed[1].path));
    EXPECT_EQ(again.rig.platform.dialogs.messages().back(), listed[1].error);
    EXPECT_EQ(again.rig.state.history.size(), 3);
}

TEST(RunFileTest, ARunThatCannotBeWrittenSaysSoOnceAndBreedingGoesOn) {
    RunRig r;
    writeBytes(r.runs(), "a file where the runs folder should be");
    for (unsigned seed = 1; seed <= 3; ++seed) {
        r.rig.platform.random.queueDraws(seed);
        breedMutations(r.rig.state, r.rig.services);
        goBack(r.rig.state, r.rig.services);
    }
    EXPECT_EQ(r.rig.state.history.size(), 3);
    ASSERT_EQ(r.rig.platform.dialogs.messages().size(), 1U);
    EXPECT_TRUE(r.rig.platform.dialogs.messages()[0].starts_with("Could not make the runs folder " +
                                                                 r.runs()));

    // A disk that fills up in the middle of a screen's line: the line goes again.
    RunRig full;
    const std::string said = underFileSizeLimit(6000, [&] {
        for (unsigned seed = 1; seed <= 20 && full.rig.platform.dialogs.messages().empty();
             ++seed) {
            full.rig.platform.random.queueDraws(seed);
            breedMutations(full.rig.state, full.rig.services);
        }
        return full.rig.platform.dialogs.messages().at(0) + "|" +
               fileBytes(full.recorder.path()).toStdString();
    });
    EXPECT_NE(said.find("File too large. The run is kept"), std::string::npos) << said;
    EXPECT_TRUE(said.ends_with("\n")) << "a line cut short was left";
}

// ---------------------------------------------------------------- a run stopped at once

TEST(RunFileTest, EveryScreenRecordedBeforeTheProgramIsKilledIsKept) {
    QTemporaryDir folder;
    const std::string runs = folder.filePath("runs").toStdString();
    // Killed while it breeds, after some screens.
    const ChildOutput breeder({VAVIVOR_RUN_BREEDER, runs, "100000"});
    std::string text = breeder.read(40);
    ASSERT_GE(std::count(text.begin(), text.end(), '\n'), 40) << "it ended by itself";
    breeder.kill();
    text += breeder.read();

    const std::vector<RunListing> listed = listRuns(runs);
    ASSERT_EQ(listed.size(), 1U);
    const RunFileRead read = readRunFile(listed[0].path);
    ASSERT_TRUE(read.run) << read.error;
    const HistoryState& history = read.run->history;
    int reported = 0;
    for (std::size_t at = 0, end = 0; (end = text.find('\n', at)) != std::string::npos;
         at = end + 1, ++reported) {
        std::istringstream line(text.substr(at, end - at));
        int index = -1;
        line >> index;
        ASSERT_LT(index, history.size()) << "screen " << index << " was recorded, then lost";
        for (const auto gene : history.entry(index).screen.central) {
            int shown = 0;
            line >> shown;
            EXPECT_EQ(shown, gene) << "screen " << index;
        }
    }
    EXPECT_GE(history.size(), reported);
}

} // namespace
} // namespace vavivor
