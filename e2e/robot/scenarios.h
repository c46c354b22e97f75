// The scenarios the robot can play, by name; each game keeps its own in a file of its own.
#pragma once

#include <string>
#include <vector>

namespace robot {

struct Scenario {
    std::string name;
    void (*play)();
};

std::vector<Scenario> SmokeScenarios();
std::vector<Scenario> ScramboloScenarios();
std::vector<Scenario> PebblixScenarios();

}  // namespace robot
