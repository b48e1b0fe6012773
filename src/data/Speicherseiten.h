#pragma once

#include <QtGlobal>

// Asks the system to back a large buffer with huge pages where it offers them (Linux): the tens
// of megabytes of a large table then cost some dozens of page faults instead of thousands. Only
// whole huge pages inside the buffer are affected; elsewhere this does nothing.
void grosseSeitenErbitten(void* anfang, qsizetype bytes);
