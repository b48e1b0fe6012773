#pragma once

#include <QtGlobal>

// Asks the system to back a large buffer with huge pages where it offers them (Linux): the tens
// of megabytes of a large table then cost some dozens of page faults instead of thousands. Only
// whole huge pages inside the buffer are affected; elsewhere this does nothing.
void grosseSeitenErbitten(void* anfang, qsizetype bytes);

// Where the first whole huge page of a buffer begins, as an offset from its start: a large
// buffer filled from there has all its memory in huge pages, where the few megabytes before
// the first one would otherwise take a page fault every four kilobytes. 0 for a buffer too
// small for that to matter, or where there are no huge pages.
inline constexpr qsizetype kGrosseSeite = qsizetype(2) << 20;
qsizetype grosseSeiteAb(const void* anfang, qsizetype bytes);
