// Catalogues and economies made from a seed, for the best-plan search's
// tests and benchmarks: the same seed always gives the same files.
#pragma once

#include "plan_inputs.h"

#include <cstdint>
#include <random>
#include <string>

namespace zef::testing {

struct RandomCatalogueShape {
    int rows = 20;
    // Every row a batch of 1 of strength 1 to 3: a turn adds 0.4 to 1.2
    // damage, and some turn counts have no whole amount that gives them.
    bool weakRows = false;
    bool conversions = false;
    bool zeroIncomes = false;
    bool lowManaCap = false;
};

// The example's economy, with rows whose prices, upkeeps and strength grow
// together, so that no row is simply the best.
inline PlanInputs RandomCatalogue(std::uint32_t seed, const RandomCatalogueShape& shape = {})
{
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    PlanInputs inputs;
    inputs.catalogue = "Jednotky\r\n";
    for (int row = 1; row <= shape.rows; ++row) {
        const int power = shape.weakRows ? pick(1, 3) : pick(5, 2000);
        const bool magic = pick(0, 2) == 0;
        const int batch = shape.weakRows ? 1 : pick(1, 100);
        inputs.catalogue += "U" + std::string(1, static_cast<char>('a' + row % 26)) + "x " +
                            std::to_string(shape.weakRows ? pick(1000, 20000) : power / 4 + pick(5, 200)) + " " +
                            std::to_string(magic ? power / 2 + pick(0, 300) : 0) + " 0 " +
                            std::to_string(1 + power / 60 + pick(0, 3)) + " " +
                            std::to_string(magic ? 1 + power / 40 + pick(0, 5) : 0) + " 0 " + std::to_string(power) +
                            " " + std::to_string(batch) + "\r\n";
    }
    inputs.plan = "@zl " + std::to_string(pick(50, 200) * 1000) + "\r\n";
    inputs.plan += "@zld " + std::to_string(shape.zeroIncomes ? 0 : pick(5, 30) * 100) + "\r\n";
    inputs.plan += "@mna " + std::to_string(pick(10, 60) * 1000) + "\r\n";
    inputs.plan += "@mnt " + std::to_string(shape.zeroIncomes ? 0 : pick(1, 10) * 1000) + "\r\n";
    inputs.plan += "@maxmn " + std::to_string(shape.lowManaCap ? pick(5, 20) * 1000 : 198021) + "\r\n";
    if (shape.conversions) {
        inputs.plan += "@prz " + std::to_string(pick(1, 12)) + "\r\n";
    }
    inputs.plan += "1 1000\r\n";
    return inputs;
}

}  // namespace zef::testing
