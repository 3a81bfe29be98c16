# translations.cmake: every language's translation file, brought up to date with the sources'
# folders (SOURCES, apart by commas) in a scratch folder, translates every text, leaves none
# unfinished and holds none that the sources lost (lupdate keeps those as obsolete).
string(REPLACE "," ";" SOURCES "${SOURCES}")
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
foreach(language IN LISTS LANGUAGES)
    set(ts ${SCRATCH}/varn_${language}.ts)
    file(COPY_FILE ${TS_DIR}/varn_${language}.ts ${ts})
    execute_process(COMMAND ${LUPDATE} -locations none ${SOURCES} -ts ${ts}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE updated ERROR_VARIABLE updated)
    if(failed)
        message(FATAL_ERROR "lupdate failed for ${language}:\n${updated}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${SCRATCH}/varn_${language}.qm
                    RESULT_VARIABLE failed OUTPUT_VARIABLE released ERROR_VARIABLE released)
    if(failed OR NOT released MATCHES "Generated [1-9][0-9]* translation\\(s\\) \\([0-9]+ finished and 0 unfinished\\)"
       OR released MATCHES "Ignored" OR updated MATCHES "obsolete")
        message(FATAL_ERROR "${language} is not complete:\n${updated}${released}")
    endif()
    message(STATUS "${language}: ${released}")
endforeach()
