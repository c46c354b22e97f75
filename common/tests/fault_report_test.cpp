// The fault barrier: any exception a handler throws, of the library's kinds or not, reaches the platform in the game's words.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/fault_report.h"

namespace common {
namespace {

std::vector<std::string> told;

void RecordEnd(const std::string& what) { told.push_back(FaultReportFor(what)); }

TEST(FaultReport, EveryFaultOfAHandlerIsToldInTheGamesWordsAndNothingElse) {
    SetFaultReport([](const std::string& what) { return "The game will now close (" + what + ")."; });
    RunHandler([] { throw std::overflow_error("Overflow"); }, &RecordEnd);
    RunHandler([] { throw 42; }, &RecordEnd);
    RunHandler([] {}, &RecordEnd);
    EXPECT_EQ(told, (std::vector<std::string>{"The game will now close (Overflow).",
                                              "The game will now close (unknown fault)."}));
    SetFaultReport(nullptr);
    EXPECT_EQ(FaultReportFor("Overflow"), "Overflow");
}

}  // namespace
}  // namespace common
