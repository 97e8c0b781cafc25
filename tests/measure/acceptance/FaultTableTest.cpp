// Every fault the simulated line and port can show, against every page that measures and against connecting:
// whatever strikes, a procedure ends (it recovers, tells the technician, or stops), and the record holds exactly
// the points measured before the fault.
#include "SimBench.h"
#include "measure/PageFactory.h"

#include <gtest/gtest.h>

#include <functional>

using namespace orvik;
using namespace orvik::test;

namespace {

struct Fault {
    const char* name;
    std::function<void(sim::WireFaults&)> strike;
    bool lasting; // it strikes every exchange from then on: no procedure can go on unaware
};

const Fault Faults[] = {
    {"silent meter", [](sim::WireFaults& f) { f.noReply = -1; }, true},
    {"one lost reply", [](sim::WireFaults& f) { f.noReply = 1; }, false},
    {"error replies", [](sim::WireFaults& f) { f.belReplies = -1; }, true},
    {"garbled checksums", [](sim::WireFaults& f) { f.wrongChecksum = -1; }, true},
    {"one garbled checksum", [](sim::WireFaults& f) { f.wrongChecksum = 1; }, false},
    // These two strike only where a procedure waits long enough or downloads a block.
    {"late replies", [](sim::WireFaults& f) { f.lateReplies = -1, f.lateByMs = 12000; }, false},
    {"short blocks", [](sim::WireFaults& f) { f.blockStopsAfter = 10; }, false},
    {"failed writes", [](sim::WireFaults& f) { f.failedWrites = -1, f.failedOpens = -1; }, true},
    {"one failed write", [](sim::WireFaults& f) { f.failedWrites = 1; }, false},
};

struct Procedure {
    const char* name;
    PageKind kind;
    int test;
    int pointsBeforeFault; // the fault strikes when the technician has set the dial for the next point
};

const Procedure Procedures[] = {
    {"hearing level", PageKind::Tone, 0, 3},      {"linearity", PageKind::Linearity, 2, 3},
    {"harmonic distortion", PageKind::Distortion, 3, 2}, {"pulse", PageKind::Pulse, 4, 0},
    {"cross talk", PageKind::CrossTalk, 5, 0},    {"broad band", PageKind::BroadBand, 8, 1},
    {"speech", PageKind::Speech, 9, 2},
};

int judgedRows(const ResultList& list) {
    return int(std::count_if(list.rows.begin(), list.rows.end(),
                             [](const ResultRow& row) { return row.verdict != RowVerdict::NotJudged; }));
}

struct Outcome {
    int status;
    int points;
    int told; // message boxes other than dial prompts
};

Outcome runPage(const Procedure& procedure, const Fault* fault) {
    SimBench bench;
    EXPECT_TRUE(bench.connect());
    bench.t.messages.stopEveryQuestion();
    std::unique_ptr<Measurement> page =
        makePage(procedure.kind, {bench.record, *bench.link, procedure.test, TransducerKind::SupraAural, Channel::Left});
    if (fault) {
        bench.t.clock.onPump([&bench, &procedure, fault, struck = false]() mutable {
            if (!struck && bench.technician.followed().size() > procedure.pointsBeforeFault) {
                fault->strike(bench.simulator.wire().faults());
                struck = true;
            }
        });
    }
    const int status = page->measureAll();
    page->takeDataBack();
    return {status, judgedRows(page->list()), int(bench.t.messages.shown().size())};
}

TEST(FaultTable, EveryProcedureEndsAndKeepsWhatWasMeasuredBeforeTheFault) {
    for (const Procedure& procedure : Procedures) {
        const Outcome clean = runPage(procedure, nullptr);
        ASSERT_EQ(clean.status, 0) << procedure.name;
        ASSERT_GT(clean.points, procedure.pointsBeforeFault) << procedure.name;
        for (const Fault& fault : Faults) {
            SCOPED_TRACE(std::string(procedure.name) + ", " + fault.name);
            const Outcome faulty = runPage(procedure, &fault);
            if (faulty.status == 0) {
                EXPECT_FALSE(fault.lasting) << "a lasting fault cannot go unnoticed";
                EXPECT_EQ(faulty.points, clean.points) << "recovered, so every point is measured";
            } else {
                EXPECT_LT(faulty.status, 0);
                // A fault that strikes only some exchanges may let a point or two more through first.
                if (fault.lasting)
                    EXPECT_EQ(faulty.points, procedure.pointsBeforeFault);
                else
                    EXPECT_GE(faulty.points, procedure.pointsBeforeFault);
                EXPECT_GT(faulty.told, 0) << "the technician is told why the run ended";
            }
        }
    }
}

TEST(FaultTable, ConnectingEndsWithAMessageOrAConnection) {
    for (const Fault& fault : Faults) {
        SCOPED_TRACE(fault.name);
        SimBench bench;
        bench.t.messages.stopEveryQuestion();
        fault.strike(bench.simulator.wire().faults());
        const bool connected = bench.connect();
        if (connected)
            EXPECT_FALSE(fault.lasting) << "a lasting fault cannot go unnoticed";
        else
            EXPECT_FALSE(bench.t.messages.shown().empty()) << "the technician is told why";
    }
}

} // namespace
