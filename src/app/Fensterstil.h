#pragma once

#include <QString>

// The windows' one style sheet with the maker's palette (resources/stil/fenster.qss). Every
// styled window sets all of it; its rules name the window each is for.
const QString& fensterstil();
