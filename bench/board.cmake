# The game board: one drop, the sound that follows a drop, and the idle board's processor time
# and memory.
pictolex_add_benchmark(board_drop board_drop.cpp board_session.cpp board_session.h)
pictolex_add_benchmark(board_sound board_sound.cpp board_session.cpp board_session.h)
pictolex_add_benchmark(board_idle board_idle.cpp board_session.cpp board_session.h)
