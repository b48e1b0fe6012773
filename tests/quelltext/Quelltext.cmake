# Checks over the program's sources, run by ctest as `cmake -DPRUEFUNG=... -DQUELLEN=src -P`.
#   schichten: a file includes only its own layer and those below it
#              (texte < shared < data < print < app < windows); the files at the top of
#              src (main.cpp and the start-up) stand above them all.
#   umgebung:  the shipped program reads no environment variable; tests inject their seams.
#   klartext:  windows hand text to widgets that guess at markup only through app/Klartext: a
#              form's labels are made plain once it is set up, a label made in code before its
#              text, tooltips and the like get the text escaped; message boxes and input
#              dialogs are app/Dialoge's alone, and no window sets HTML itself.
#   meldungen: every message in words comes from the language module (tr, translate, a text
#              marked with QT_TRANSLATE_NOOP), also in the layers below the windows; a fixed
#              English phrase of three words or more in QStringLiteral is one that does not.
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
        elseif(PRUEFUNG STREQUAL "meldungen"
               AND zeile MATCHES "(QStringLiteral|QLatin1String)\\(\"[A-Za-z%][^\"]* [a-z]+ [a-z]+")
            string(APPEND fehler "${datei}: a message not from the language module: ${zeile}\n")
        elseif(PRUEFUNG STREQUAL "klartext" AND rang GREATER_EQUAL 4
               AND NOT datei MATCHES "^app/(Klartext|Dialoge)\\.cpp$")
            if(zeile MATCHES "set(ToolTip|StatusTip|WhatsThis)\\(|Qt::(ToolTip|StatusTip|WhatsThis)Role"
               AND NOT zeile MATCHES "tippKlartext\\(")
                string(APPEND fehler "${datei}: a tip without tippKlartext: ${zeile}\n")
            elseif(zeile MATCHES "QMessageBox|QInputDialog|QToolTip::|QWhatsThis::|(set|insert|append)Html\\(|Qt::AutoText")
                string(APPEND fehler "${datei}: text that may be taken as markup: ${zeile}\n")
            elseif(zeile MATCHES "QLabel\\([^;]*,")
                string(APPEND fehler "${datei}: a label given its text before labelKlartext: ${zeile}\n")
            endif()
        endif()
    endforeach()
    if(PRUEFUNG STREQUAL "klartext" AND rang GREATER_EQUAL 4)
        file(READ ${QUELLEN}/${datei} inhalt)
        if(inhalt MATCHES "setupUi\\(" AND NOT inhalt MATCHES "labelsKlartext\\(this\\)")
            string(APPEND fehler "${datei}: a form set up without labelsKlartext(this)\n")
        endif()
        if(inhalt MATCHES "QLabel\\(" AND NOT inhalt MATCHES "labelKlartext\\(")
            string(APPEND fehler "${datei}: a label made without labelKlartext\n")
        endif()
    endif()
endforeach()
if(fehler)
    message(FATAL_ERROR "${PRUEFUNG}:\n${fehler}")
endif()
