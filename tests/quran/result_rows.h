// The rows of a grid of ayas (number, sura name, aya) as "sura:aya", e.g.
// "2:255 36:1", the sura found from its name; a row whose number is not its
// place in the grid shows as "?".
#pragma once

#include <string>

#include "platform/string_grid.h"
#include "quran/sura_names.h"

inline std::string ResultRows(const platform::StringGrid* grid) {
    const SuraNamesFile names;
    std::string rows;
    for (int r = 1; r < grid->RowCount(); ++r) {
        int sura = 0;
        while (sura <= 114 && names.Name(sura) != grid->Cell(1, r)) ++sura;
        rows += (rows.empty() ? "" : " ") +
                (grid->Cell(0, r) == QString::number(r)
                     ? std::to_string(sura) + ":" + grid->Cell(2, r).toStdString()
                     : std::string("?"));
    }
    return rows;
}
