// The plan the benchmarks of a full run and of a preview share: 20 unit types
// and 20 plan lines of 100 turns each, 2,000 turns in all.
#pragma once

#include "plan_inputs.h"

#include <string>

namespace zef::bench {

// 20 unit types of strength 10 and batch 10; each plan line takes 100 turns.
inline PlanInputs FullPlan()
{
    PlanInputs full;
    full.catalogue = "Jednotky\r\n";
    full.plan = "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@dmg 0\r\n@maxmn 198021\r\n@facktor 1\r\n";
    for (int row = 1; row <= 20; ++row) {
        full.catalogue += "Unit " + std::to_string(20 * row) + " 5 0 " + std::to_string(row) + " 1 0 10 10\r\n";
        full.plan += "U " + std::to_string(row) + " 4000\r\n";
    }
    return full;
}

}  // namespace zef::bench
