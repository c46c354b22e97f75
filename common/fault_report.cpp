// The one fault report of the running game, set when it starts.
#include "common/fault_report.h"

namespace common {
namespace {

FaultReport& Report() {
    static FaultReport report;
    return report;
}

}  // namespace

void SetFaultReport(FaultReport report) { Report() = std::move(report); }

std::string FaultReportFor(const std::string& what) { return Report() ? Report()(what) : what; }

}  // namespace common
