# Checks over the program's sources, run by ctest as `cmake -DPRUEFUNG=... -DQUELLEN=src -P`.
#   schichten: a file includes only its own layer and those below it
#              (texte < shared < data < print < app < windows); the files at the top of
#              src (main.cpp and the start-up) stand above them all.
#   umgebung:  the shipped program reads no environment variable; tests inject their seams.
set(SCHICHTEN texte shared data print app windows)
set(fehler "")
file(GLOB_RECURSE dateien RELATIVE ${QUELLEN} ${QUELLEN}/*.h ${QUELLEN}/*.cpp)
foreach(datei ${dateien})
    file(STRINGS ${QUELLEN}/${datei} zeilen)
    string(REGEX MATCH "^[^/]+" schicht ${datei})
    list(FIND SCHICHTEN ${schicht} rang)
    foreach(zeile IN LISTS zeilen)
        if(PRUEFUNG STREQUAL "schichten" AND rang GREATER_EQUAL 0
           AND zeile MATCHES "^#include \"([a-z]+)/")
            list(FIND SCHICHTEN ${CMAKE_MATCH_1} ziel)
            if(ziel GREATER rang)
                string(APPEND fehler "${datei}: ${zeile}\n")
            endif()
        elseif(PRUEFUNG STREQUAL "umgebung"
               AND zeile MATCHES "qEnvironmentVariable|qgetenv|getenv|QProcessEnvironment")
            string(APPEND fehler "${datei}: ${zeile}\n")
        endif()
    endforeach()
endforeach()
if(fehler)
    message(FATAL_ERROR "${PRUEFUNG}:\n${fehler}")
endif()
