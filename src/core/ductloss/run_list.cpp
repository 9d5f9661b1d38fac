#include "core/ductloss/run_list.h"

namespace kalvintera {

std::array<std::string, kRunListColumns> RunListCells(const FittingRow& row)
{
    return {row.Lp,
            row.Name,
            row.Flow,
            row.W1,
            row.Length,
            row.Dh1,
            row.LossCoefficient,
            row.FrictionLoss,
            row.LocalLoss,
            row.AdditionalLoss,
            row.TotalLoss};
}

} // namespace kalvintera
