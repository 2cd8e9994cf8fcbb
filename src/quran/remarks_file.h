// The remarks (bookmarks of ayas) file "c:\remrak<L>.ini", section "remarks":
// "count", then "sora<i>" and "aya<i>" for i = 1..count, all decimal.
#pragma once

#include <string>

/// The remarks file of the current interface language.
std::string RemarksFileName();

/// Appends (sura, aya) as remark count+1 unless an equal pair is already stored;
/// writes "count" first, then the sura key, then the aya key. Returns whether it
/// added one.
bool AddRemark(int sura, int aya);
