# VantrelHelp.chm, the user's guide the Help button opens: compiled from help/
# with chmcmd (Debian's fp-utils) beside vantrel.exe, and beside the UI tests,
# which run the program from tests/. Included from the top CMakeLists.txt.
find_program(VANTREL_CHMCMD chmcmd)
if(VANTREL_CHMCMD)
    file(GLOB VANTREL_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.html ${CMAKE_SOURCE_DIR}/help/*.css ${CMAKE_SOURCE_DIR}/help/*.hh?)
    set(help_work ${CMAKE_BINARY_DIR}/help)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/VantrelHelp.chm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${help_work}
        COMMAND ${CMAKE_COMMAND} -E copy ${VANTREL_HELP_SOURCES} ${help_work}
        COMMAND ${CMAKE_COMMAND} -E chdir ${help_work} ${VANTREL_CHMCMD} vantrel.hhp > ${help_work}/chmcmd.log
        COMMAND ${CMAKE_COMMAND} -E copy ${help_work}/VantrelHelp.chm ${CMAKE_BINARY_DIR}/VantrelHelp.chm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tests
        COMMAND ${CMAKE_COMMAND} -E copy ${help_work}/VantrelHelp.chm ${CMAKE_BINARY_DIR}/tests/VantrelHelp.chm
        DEPENDS ${VANTREL_HELP_SOURCES}
        COMMENT "Compiling VantrelHelp.chm")
    add_custom_target(vantrel_help ALL DEPENDS ${CMAKE_BINARY_DIR}/VantrelHelp.chm)
else()
    message(WARNING "chmcmd (package fp-utils) was not found: VantrelHelp.chm is not built")
endif()
