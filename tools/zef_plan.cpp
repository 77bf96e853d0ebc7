// zef-plan: one planning run in a folder, its report on standard output.
#include "data_file.h"
#include "plan_directives.h"
#include "run_plan.h"
#include "turn_budget.h"
#include "windows1250_to_utf8.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

std::string Usage()
{
    std::string usage = "Usage: zef-plan [-C DIR] [--utf8]\n"
                        "\n"
                        "Runs one recruitment plan in DIR (default: the current directory) and writes\n"
                        "its report to standard output, as Windows-1250 text with CR LF line ends.\n"
                        "No file is written.\n"
                        "\n"
                        "  arm.txt     the unit catalogue: every line with at least 9 digits is a unit\n"
                        "              type, numbered from 1: a 4-character name, then gold price, mana\n"
                        "              price, (unused), gold upkeep, mana upkeep, (unused), strength and\n"
                        "              units recruitable per turn.\n"
                        "  rekrut.txt  the plan: lines starting with \";\" are comments; every other line\n"
                        "              with two numbers is a unit number and the damage to buy; a line\n"
                        "              starting with \"@\" is a directive, told by its fourth character,\n"
                        "              with the first number from its fifth character on as its value:\n";
    for (const zef::Directive& directive : zef::kDirectives) {
        std::string name(directive.name);
        name.resize(10, ' ');
        usage += "                " + name + std::string(directive.meaning) + "; if absent " +
                 zef::IfAbsentText(directive) + "\n";
    }
    return usage + "\n"
                   "  -C DIR      run in DIR instead of the current directory\n"
                   "  --utf8      write UTF-8 with LF line ends, for reading in a terminal\n"
                   "  --help      show this text\n";
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "zef-plan: %s\n", message.c_str());
    return 1;
}

bool WriteAll(std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool utf8 = false;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            return WriteAll(Usage()) ? 0 : Fail(std::string("standard output: ") + std::strerror(errno));
        } else if (arg == "--utf8") {
            utf8 = true;
        } else if (arg == "-C" && i + 1 < argc) {
            folder = argv[++i];
        } else {
            std::fputs(Usage().c_str(), stderr);
            return 2;
        }
    }
    if (folder && chdir(folder) != 0) {
        return Fail(std::string(folder) + ": " + std::strerror(errno));
    }
    try {
        zef::PlanningState state;
        zef::RunPlan(state);
        const std::string output = utf8 ? zef::Windows1250ToUtf8(state.reportText) : state.reportText;
        if (!WriteAll(output)) {
            return Fail(std::string("standard output: ") + std::strerror(errno));
        }
    } catch (const zef::PlanTooLong& error) {
        // The plan line is the player's Windows-1250 text; the terminal reads UTF-8.
        return Fail(zef::Windows1250ToUtf8(error.what()));
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return 0;
}
