#pragma once

// The program's command line.
namespace befehlszeile {

// The answer to --help or --version, which the program prints and ends with before it needs a
// display (the build makes the manual page from them); null for every other command line.
const char* auskunft(int argc, const char* const* argv);

} // namespace befehlszeile
