# Replays every corpus file through each fuzz entry point with the normal
# compiler, so that inputs that once failed keep being checked.
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)
foreach(target IN LISTS OV_FUZZ_TARGETS)
    add_executable(replay_${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp ${CMAKE_CURRENT_LIST_DIR}/replaymain.cpp)
    target_link_libraries(replay_${target} PRIVATE ovsnmpmodel)
    add_test(NAME fuzz_replay.${target}
             COMMAND replay_${target} ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
endforeach()
