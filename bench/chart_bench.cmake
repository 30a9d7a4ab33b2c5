# The chart benchmark; include from bench/CMakeLists.txt when the window toolkit is built.
add_executable(chart_bench ${CMAKE_CURRENT_LIST_DIR}/chart_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/offscreen_main.cpp)
target_link_libraries(chart_bench PRIVATE frankierung_chart frankierung_app benchmark::benchmark
    frankierung_warnings)
