# Installs the build into a temporary DESTDIR and checks the tree the package will hold:
# the program folder with its data, the two links, the desktop files and, with the server
# (SERVER true), its service, settings and plans folder; nothing elsewhere.
file(REMOVE_RECURSE ${ZIEL})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ZIEL} ${CMAKE_COMMAND} --install ${BUILD} --prefix /
    RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${ergebnis}")
endif()

set(erwartet
    opt/ardentix/Ardentix
    opt/ardentix/qvr
    opt/ardentix/qvr-print
    usr/share/applications/ardentix.desktop
    usr/share/mime/packages/ardentix.xml
    usr/share/metainfo/de.quorvane.Ardentix.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/ardentix.png
    usr/share/icons/hicolor/128x128/apps/ardentix.png
    usr/share/icons/hicolor/256x256/apps/ardentix.png
    usr/share/man/man1/ardentix.1.gz
    usr/share/man/man1/qvr.1.gz
    usr/share/doc/ardentix/copyright
    usr/share/doc/ardentix/changelog.gz
    usr/share/lintian/overrides/ardentix)
if(SERVER)
    list(APPEND erwartet
        opt/ardentix/qvr-serve
        opt/ardentix/ardentix-server
        lib/systemd/system/ardentix-server.service
        etc/default/ardentix-server
        var/lib/ardentix/plans
        usr/share/man/man1/qvr-serve.1.gz)
endif()
# DATEN: the language data sets, comma-separated (EN,DE).
string(REPLACE "," ";" DATEN "${DATEN}")
foreach(daten ${DATEN})
    list(APPEND erwartet
        opt/ardentix/${daten}/produkte.qvr
        opt/ardentix/${daten}/tab.qvr
        opt/ardentix/${daten}/Adressen.QVR
        opt/ardentix/${daten}/HTML/ABC.htm
        "opt/ardentix/${daten}/HTML/Einführung.htm")
    file(GLOB bilder ${ZIEL}/opt/ardentix/${daten}/Pics/*)
    if(NOT bilder)
        message(FATAL_ERROR "no product pictures in opt/ardentix/${daten}/Pics")
    endif()
endforeach()
foreach(datei ${erwartet})
    if(NOT EXISTS "${ZIEL}/${datei}")
        message(FATAL_ERROR "missing from the install tree: ${datei}")
    endif()
endforeach()

# The links point to the installed program (absolute, as Debian wants across top-level folders).
foreach(verweis ardentix qvr)
    if(NOT IS_SYMLINK ${ZIEL}/usr/bin/${verweis})
        message(FATAL_ERROR "usr/bin/${verweis} is not a link")
    endif()
endforeach()
file(READ_SYMLINK ${ZIEL}/usr/bin/ardentix ziel_ardentix)
file(READ_SYMLINK ${ZIEL}/usr/bin/qvr ziel_qvr)
if(NOT ziel_ardentix STREQUAL "/opt/ardentix/Ardentix" OR NOT ziel_qvr STREQUAL "/opt/ardentix/qvr")
    message(FATAL_ERROR "the links lead to ${ziel_ardentix} and ${ziel_qvr}")
endif()

# Nothing outside the program folder and the places the desktop reads.
file(GLOB_RECURSE alle LIST_DIRECTORIES false RELATIVE ${ZIEL} ${ZIEL}/*)
foreach(datei ${alle})
    if(NOT datei MATCHES "^(opt/ardentix/|usr/bin/(ardentix|qvr)$|usr/share/(applications|mime/packages|metainfo|icons/hicolor|man/man1|doc/ardentix|lintian/overrides)/|lib/systemd/system/ardentix-server.service$|etc/default/ardentix-server$)")
        message(FATAL_ERROR "unexpected file in the install tree: ${datei}")
    endif()
endforeach()
file(REMOVE_RECURSE ${ZIEL})
