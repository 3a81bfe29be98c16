# checkinstall.cmake: installs the build into a scratch prefix and checks that the desktop
# entry, the AppStream file and the icons land where desktops look for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    share/applications/org.varngame.Varn.desktop
    share/metainfo/org.varngame.Varn.metainfo.xml
    share/icons/hicolor/scalable/apps/varn.svg
    share/icons/hicolor/32x32/apps/varn.png
    share/icons/hicolor/64x64/apps/varn.png
)
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The entry names the icon and the program by the names they are installed under.
file(READ "${PREFIX}/share/applications/org.varngame.Varn.desktop" entry)
foreach(line "Icon=varn" "Exec=varn" "Categories=Game;LogicGame;")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks the line ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
