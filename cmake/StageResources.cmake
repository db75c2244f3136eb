# Copies resources/ next to the tavlo executable at every build. The profiles
# folder of the default data is made here because git keeps no empty folders.
set(TAVLO_PROGRAM_FOLDER $<TARGET_FILE_DIR:tavlo>)
add_custom_target(stage_resources ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources ${TAVLO_PROGRAM_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVLO_PROGRAM_FOLDER}/data/profiles
  COMMENT "Staging the program folder next to the executable"
  VERBATIM)
add_dependencies(tavlo stage_resources)
