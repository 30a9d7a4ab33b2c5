# The whole window's benchmark; included from bench/CMakeLists.txt when the window is built.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
add_executable(window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_bench_worksheet.cpp)
target_link_libraries(window_bench PRIVATE frankierung_window frankierung_app Qt6::Test benchmark::benchmark
    frankierung_warnings)
if(FRANKIERUNG_TESTS)
    # The library's --help ends the process inside its initialisation; no window may be alive.
    add_test(NAME window_bench_help COMMAND window_bench --help)
    set_tests_properties(window_bench_help PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
