# The game board: one drop, the sound that follows a drop, and the idle board's processor time
# and memory.
pictolex_add_benchmark(board_drop board_drop.cpp board_session.cpp board_session.h)
# The sound benchmark builds Qt's audio output in, to watch the sink it starts.
pictolex_add_benchmark(board_sound board_sound.cpp board_session.cpp board_session.h
    ${PROJECT_SOURCE_DIR}/src/shell/qt_audio.cpp ${PROJECT_SOURCE_DIR}/src/shell/sound_cache.cpp)
target_link_libraries(bench_board_sound PRIVATE Qt6::Multimedia)
pictolex_add_benchmark(board_idle board_idle.cpp board_session.cpp board_session.h)
