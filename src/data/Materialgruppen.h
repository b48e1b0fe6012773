#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

// A material group of the maker's chemical gloves: the gloves of one material, whose results
// the reference glove's stand for.
struct Materialgruppe {
    std::vector<qint32> codes;
    qint32 referenz;
};

// The nine groups, in the order the chemical report shows them.
const std::array<Materialgruppe, 9>& materialgruppen();
