# Builds a type database from the desktop's own types and the program's, as the package's
# installation does, and checks that each saved file's name gives the program's type.
file(REMOVE_RECURSE ${ZIEL})
file(MAKE_DIRECTORY ${ZIEL}/packages)
file(COPY ${XML} DESTINATION ${ZIEL}/packages)
if(EXISTS /usr/share/mime/packages/freedesktop.org.xml)
    file(COPY /usr/share/mime/packages/freedesktop.org.xml DESTINATION ${ZIEL}/packages)
endif()
# It warns on standard error that the folder is not one the desktop searches.
execute_process(COMMAND ${WERKZEUG} ${ZIEL} RESULT_VARIABLE ergebnis ERROR_VARIABLE fehler)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "update-mime-database: ${ergebnis} ${fehler}")
endif()

# globs2: weight:type:pattern[:flags]; a pattern without the cs flag matches either case. Of
# the types an ending gives, the program's must weigh most, alone: at equal weight the desktop
# may choose either.
file(STRINGS ${ZIEL}/globs2 zeilen REGEX "^[0-9]+:")
foreach(paar "pln=glove-plan" "gan=hazard-analysis" "gbn=assessment")
    string(REPLACE "=" ";" paar ${paar})
    list(GET paar 0 endung)
    list(GET paar 1 art)
    set(eigene -1)
    set(andere -1)
    foreach(z ${zeilen})
        if(z MATCHES "^([0-9]+):([^:]+):\\*\\.${endung}$")
            if(CMAKE_MATCH_2 STREQUAL "application/x-ardentix-${art}")
                set(eigene ${CMAKE_MATCH_1})
            elseif(CMAKE_MATCH_1 GREATER andere)
                set(andere ${CMAKE_MATCH_1})
            endif()
        endif()
    endforeach()
    if(NOT eigene GREATER andere)
        message(FATAL_ERROR "*.${endung}: the program's type weighs ${eigene}, another ${andere}")
    endif()
endforeach()
file(REMOVE_RECURSE ${ZIEL})
