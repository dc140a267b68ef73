# vantrelc.exe: the console program, built beside vantrel.exe from the same
# libraries (included from the top CMakeLists.txt inside its WIN32 block).
add_executable(vantrelc
    ${CMAKE_SOURCE_DIR}/src/win32/console/main.cpp
    ${CMAKE_SOURCE_DIR}/src/win32/console/console_output.cpp
    ${CMAKE_SOURCE_DIR}/src/win32/console/vantrelc.rc)
target_link_libraries(vantrelc PRIVATE vantrel_win32)
target_compile_options(vantrelc PRIVATE ${VANTREL_WARNINGS})
