#pragma once

#include <QtGlobal>

// Asks the system to back a large buffer with huge pages where it offers them (Linux): the tens
// of megabytes of a large table then cost some dozens of page faults instead of thousands. Only
// whole huge pages inside the buffer are affected; elsewhere this does nothing.
void grosseSeitenErbitten(void* anfang, qsizetype bytes);

// The room to add to a buffer of `bytes` so that what it holds can start at a huge page: then all
// of it comes in huge pages, where the megabytes before the first one would otherwise take a page
// fault every four kilobytes. None for a buffer too small for that to matter, or where there are
// no huge pages.
inline constexpr qsizetype kGrosseSeite = qsizetype(2) << 20;
qsizetype grosseSeitenVorlauf(qsizetype bytes);
// How far from `anfang` the next huge page begins.
qsizetype bisGrosseSeite(const void* anfang);
