// The window's thread stays free while the component works: operations and
// reads of the member list run on a worker, and the window's event loop keeps
// turning, with or without reports from the work.
#include "LoopTurns.h"
#include "WindowFixture.h"
#include "app/OperationFrame.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "support/HostileFormats.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <chrono>
#include <optional>

namespace {

using Clock = LoopTurns::Clock;
using namespace std::chrono_literals;

// What the loop may work between turns, in its own running time (the
// sanitizers slow everything several times over); and how long it may go
// without a turn on the wall clock, which a loaded machine stretches, so only
// a loop blocked on something else goes over it.
#ifdef ORVEX_SANITIZED
constexpr auto LongestWork = 500ms;
constexpr auto CancelTakes = 2000ms;
#else
constexpr auto LongestWork = 50ms;
constexpr auto CancelTakes = 500ms;
#endif
constexpr auto LongestWait = 2000ms;

void expectLoopFree(const LoopTurns::Gap &gap)
{
    EXPECT_LT(gap.running, LongestWork);
    EXPECT_LT(gap.wall, LongestWait);
}

class WindowThread : public WindowTest {
protected:
    std::vector<QString> names() { return column(0); }
    OperationFrame &frame() { return form().session().operationFrame(); }

    // An archive of `count` empty members, "m0" onwards.
    QString manyMembers(const QString &name, int count)
    {
        ziptest::ArchiveBuilder builder;
        builder.zip64EndRecord = count > 0xFFFF;
        for (int i = 0; i < count; ++i)
            builder.add(ziptest::stored("m" + std::to_string(i), ""));
        return writeArchive(name, builder.build());
    }
};

TEST_F(WindowThread, TheLoopTurnsThroughALongOperationWithOrWithoutReports)
{
    for (const bool log : {false, true}) {
        if (form().showLogAction->isChecked() != log)
            form().showLogAction->trigger();
        LoopTurns turns;
        QStringList expectedLog{"Beginning Add to x"};
        const auto start = LoopTurns::now();
        frame().run({"Adding file(s)", "Beginning Add to x", "Fatal", " files were added"},
                    [&](orvex::ComponentEvents &events) {
                        for (int i = 0; i < 20; ++i) {
                            events.progress(FileBegin, "f" + std::to_string(i), 10);
                            events.message(0, "adding: f" + std::to_string(i));
                            turns.waitFor(2);
                        }
                        // A long step that reports nothing, as writing out the archive's end does.
                        turns.waitFor(20);
                    });
        const auto end = LoopTurns::now();
        const std::string which = log ? "message log" : "status window";
        SCOPED_TRACE(which);
        EXPECT_GE(turns.count(), 60);
        expectLoopFree(turns.longestGap(start, end));
        // The last report reached the message window; the status window is
        // left empty for its next showing.
        const QLabel &label = log ? *windows->Msgform->fileLabel : *windows->F_status->fileLabel;
        EXPECT_EQ(label.text(), log ? "File: f19" : "File:") << which;
        if (log) {
            for (int i = 0; i < 20; ++i)
                expectedLog << "adding: f" + QString::number(i);
            EXPECT_EQ(windows->Msgform->logLines(), expectedLog);
        }
    }
}

TEST_F(WindowThread, TheLoopTurnsWhileALargeArchiveIsReadAndACancelledOpenKeepsTheListingBefore)
{
    const QString small = writeArchive("small.zip", ziptest::buildZip({ziptest::stored("kept.txt", "x")}));
    const QString large = manyMembers("large.zip", 200000);
    open(small);
    ASSERT_EQ(names(), std::vector<QString>{"kept.txt"});

    // Read to the end: the loop turns until the rows are filled in.
    TZipEngine &engine = form().session().engine;
    LoopTurns::Stamp filling;
    auto fill = std::move(engine.OnDirUpdate);
    engine.OnDirUpdate = [&](TZipEngine &sender) {
        filling = LoopTurns::now();
        fill(sender);
    };
    {
        LoopTurns turns;
        const auto start = LoopTurns::now();
        open(large);
        expectLoopFree(turns.longestGap(start, filling));
        EXPECT_EQ(grid().RowCount(), 200001);
    }

    // Cancelled: the status window's Cancel as soon as it shows the count.
    open(small);
    frame().readProgressDelay = 0;
    bool cancelled = false;
    LoopTurns turns([&] {
        const bool counted = windows->F_status->fileLabel->text() == "Reading 200,000 members…";
        if (!cancelled && windows->F_status->isVisible() && counted) {
            windows->F_status->cancelButton->click();
            cancelled = true;
        }
    });
    script->shown.clear();
    open(large);
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(windows->F_status->isVisible());
    EXPECT_EQ(names(), std::vector<QString>{"kept.txt"});
    EXPECT_EQ(form().statusPanelText(1), small);
    EXPECT_EQ(form().windowTitle(), "small.zip - Orvex 97");
    EXPECT_EQ(messages(), QStringList{});  // nothing to say: the user asked for it
    EXPECT_TRUE(form().toolButton("openButton")->isEnabled());
}

// An archive whose reader goes round without end: the window's loop keeps
// turning, and Cancel ends the read at once, however long the reader would
// have taken before its limit.
TEST_F(WindowThread, CancelEndsTheReadOfAnArchiveWhoseReaderHangsAtOnce)
{
    const QString small = writeArchive("small.zip", ziptest::buildZip({ziptest::stored("kept.txt", "x")}));
    open(small);
    writeFile(path("loop.xar"), QByteArray::fromStdString(ziptest::xarLinkedTwice()));
    frame().readProgressDelay = 0;
    // The loop turns a while with the reader stuck, then Cancel is clicked.
    int turnsShown = 0;
    std::optional<Clock::time_point> clicked;
    LoopTurns turns([&] {
        if (!clicked && windows->F_status->isVisible() && ++turnsShown == 20) {
            windows->F_status->cancelButton->click();
            clicked = Clock::now();
        }
    });
    const auto start = LoopTurns::now();
    open(path("loop.xar"));
    const auto ended = LoopTurns::now();
    ASSERT_TRUE(clicked);
    EXPECT_LT(ended.wall - *clicked, CancelTakes);
    expectLoopFree(turns.longestGap(start, ended));
    EXPECT_EQ(names(), std::vector<QString>{"kept.txt"});
    EXPECT_EQ(messages(), QStringList{});
}

TEST_F(WindowThread, AChangeWhoseReReadWasStoppedSaysTheListingIsOutOfDateUntilTheNextRead)
{
    const QString archive = writeArchive("a.zip", ziptest::buildZip({ziptest::stored("kept.txt", "x")}));
    open(archive);
    // What the component throws when Cancel stops the read after its change.
    frame().run({"Adding file(s)", "Beginning Add to a.zip", "Fatal", " files were added"},
                [](orvex::ComponentEvents &) { throw EReadCancelled("Reading the archive was cancelled"); });
    EXPECT_TRUE(lastShown().text.endsWith("\nThe listing was not read again and is out of date: open the archive "
                                          "again to see its members as they are now."))
        << lastShown().text.toStdString();
    const auto *state = form().findChild<QLabel *>(QStringLiteral("archiveStatePanel"));
    EXPECT_EQ(state->text(), "Listing out of date");
    EXPECT_FALSE(state->isHidden());
    open(archive);
    EXPECT_TRUE(state->isHidden());
}

}  // namespace
