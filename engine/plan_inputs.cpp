#include "plan_inputs.h"

#include "catalogue.h"
#include "data_file.h"
#include "plan_file.h"

namespace zef {

std::string ReadDataFileOrEmpty(const std::filesystem::path& name)
{
    return DataFileExists(name) ? ReadDataFileBytes(name) : std::string();
}

PlanInputs ReadPlanInputs()
{
    PlanInputs inputs;
    inputs.catalogue = ReadDataFileOrEmpty(kCatalogueFileName);
    inputs.plan = ReadDataFileOrEmpty(kPlanFileName);
    return inputs;
}

}  // namespace zef
