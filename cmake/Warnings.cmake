# Every target of ours is built with these warnings; third-party headers are
# included as system headers so that their warnings stay theirs.
add_library(tavlo_warnings INTERFACE)
target_compile_options(tavlo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
