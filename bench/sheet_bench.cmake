# The worksheet benchmark; include from bench/CMakeLists.txt when the window toolkit is built.
add_executable(sheet_bench ${CMAKE_CURRENT_LIST_DIR}/sheet_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/offscreen_main.cpp)
target_link_libraries(sheet_bench PRIVATE frankierung_export frankierung_app benchmark::benchmark
    frankierung_warnings)
