// robot.exe <scenario>: plays one scenario against a running game and exits 0 only when every step held.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <exception>
#include <string>

#include "e2e/robot/desktop.h"
#include "e2e/robot/scenarios.h"
#include "e2e/robot/steps.h"

namespace {

std::vector<robot::Scenario> AllScenarios() {
    std::vector<robot::Scenario> all = robot::SmokeScenarios();
    for (auto& list : {robot::ScramboloScenarios(), robot::PebblixScenarios()}) {
        all.insert(all.end(), list.begin(), list.end());
    }
    return all;
}

int Usage() {
    std::printf("usage: robot.exe <scenario>\nscenarios:\n");
    for (const robot::Scenario& scenario : AllScenarios()) {
        std::printf("  %s\n", scenario.name.c_str());
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return Usage();
    }
    const robot::Scenario* chosen = nullptr;
    std::vector<robot::Scenario> all = AllScenarios();
    for (const robot::Scenario& scenario : all) {
        if (scenario.name == argv[1]) {
            chosen = &scenario;
        }
    }
    if (chosen == nullptr) {
        return Usage();
    }
    CoInitialize(nullptr);
    int status = 0;
    try {
        chosen->play();
        std::printf("robot: every step of %s held\n", chosen->name.c_str());
    } catch (const std::exception& failure) {
        std::printf("\nscenario %s FAILED at %s\n%s\n\nwhat the robot saw:\n%s", chosen->name.c_str(),
                    robot::CurrentStep().c_str(), failure.what(), robot::DescribeDesktop().c_str());
        status = 1;
    }
    std::fflush(stdout);
    CoUninitialize();
    return status;
}
