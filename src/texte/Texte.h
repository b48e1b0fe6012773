#pragma once

#include <QString>

// Every user-visible numbered text (10000-10336) is looked up here. The English set is the
// program's own; a language module chosen at start replaces texts it holds.
// 10281 is the main menu's slogan. Numbers without an English text read as empty.
namespace texte {

QString text(int nummer);

} // namespace texte
