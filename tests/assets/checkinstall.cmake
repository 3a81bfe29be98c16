# checkinstall.cmake: installs the build into a scratch prefix and checks that the game, its
# manual page, the desktop entry, the AppStream file and the icons land where desktops and man
# look for them, the module of the sound and the controllers and the pictures drawn at build time where the
# game looks for them, and that nothing else is installed.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${BINDIR}/varn
    ${LIBDIR}/varn/varn-sdl.so
    ${MANDIR}/man6/varn.6
    ${DATADIR}/applications/org.varngame.Varn.desktop
    ${DATADIR}/metainfo/org.varngame.Varn.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/varn.svg
    ${DATADIR}/icons/hicolor/32x32/apps/varn.png
    ${DATADIR}/icons/hicolor/64x64/apps/varn.png
)
file(GLOB carried RELATIVE "${PREFIX}" "${PREFIX}/${DATADIR}/varn/predrawn/pictures-*-1.cache")
list(LENGTH carried count)
if(count LESS 2)
    message(FATAL_ERROR "the pictures drawn at build time are not installed: ${carried}")
endif()
list(APPEND expected ${carried})
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed: ${installed}\nexpected: ${expected}")
endif()

# The entry names the icon and the program by the names they are installed under.
file(READ "${PREFIX}/${DATADIR}/applications/org.varngame.Varn.desktop" entry)
foreach(line "Icon=varn" "Exec=varn" "Categories=Game;LogicGame;")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks the line ${line}")
    endif()
endforeach()

# The installed game finds those pictures from its own folder: a first start draws none of its
# pictures, so it writes nothing to the cache of drawn pictures.
set(home "${PREFIX}/home")
file(MAKE_DIRECTORY "${home}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
                        HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_CACHE_HOME=${home}/cache
                        XDG_DATA_HOME=${home}/data XDG_STATE_HOME=${home}/state
                        "${PREFIX}/${BINDIR}/varn"
                WORKING_DIRECTORY "${home}" TIMEOUT 3 RESULT_VARIABLE result OUTPUT_QUIET)
file(GLOB drawn "${home}/cache/varn/*")
if(NOT result MATCHES "timeout" OR drawn)
    message(FATAL_ERROR "the installed game ended (${result}) or drew its pictures: ${drawn}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
