// The remarks (bookmarks of ayas) file "c:\remrak<L>.ini", section "remarks":
// "count", then "sora<i>" and "aya<i>" for i = 1..count, all decimal.
#pragma once

#include <string>
#include <vector>

/// The remarks file of the current interface language.
std::string RemarksFileName();

/// Appends (sura, aya) as remark count+1 unless an equal pair is already stored;
/// sets "count" first, then the sura key, then the aya key, all three in one
/// change of the file. Returns whether it added one.
bool AddRemark(int sura, int aya);

/// A remark as stored: its sura and aya values (a missing key reads "0").
struct StoredRemark {
    std::string sura, aya;
};

/// The remarks 1..count in order. A missing "count" is 0; text that is not a
/// number raises the conversion error. Since the (sura, aya) pairs are
/// unique there are never more remarks than ayas: a larger count is cut to
/// 6236, a negative one is 0.
std::vector<StoredRemark> ReadRemarks();

/// Stores `remarks` (the list after remark `removed`, 0-based, was taken out):
/// "count" first, then the keys of every remark from `removed` on, which
/// moved down by one; the keys before it are unchanged. Keys above the new
/// count stay in the file and are ignored. The whole file is replaced once:
/// a crash leaves the old list or the new one.
void WriteRemarksAfterRemoval(const std::vector<StoredRemark>& remarks, size_t removed);

/// A stored value of the remarks file as a number; the conversion error
/// names the file and `key` ("sora3").
int RemarkNumber(const std::string& value, const std::string& key);
