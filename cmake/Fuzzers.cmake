# tavlo_add_fuzzer(name source libraries...): a libFuzzer target of the fuzz
# preset. Every target keeps the inputs it found worth keeping under
# fuzz/corpus/<name> and starts from its seeds under fuzz/seeds/<name> (empty
# unless a rule fills it), both in the build folder, so that tools/fuzz.sh and
# the preset's test run go on where the last run stopped. The test runs the
# target briefly: a parser that crashes on what it was given before fails it.
function(tavlo_add_fuzzer name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARGN})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${PROJECT_BINARY_DIR}/fuzz/corpus/${name})
  set(seeds ${PROJECT_BINARY_DIR}/fuzz/seeds/${name})
  file(MAKE_DIRECTORY ${corpus} ${seeds})
  add_test(NAME fuzz.${name} COMMAND ${name} -max_total_time=15 -timeout=10 ${corpus} ${seeds})
endfunction()
