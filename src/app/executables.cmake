# The three programs. Each main only parses arguments and hands over to a
# library; a program is built once its main file exists.
set(app_dir ${CMAKE_CURRENT_SOURCE_DIR}/app)

if(TARGET tslq_ui AND EXISTS ${app_dir}/TslqMain.cpp)
  add_executable(tslq ${app_dir}/TslqMain.cpp)
  target_link_libraries(tslq PRIVATE tslq_ui)
  tslq_warnings(tslq)
  # The help topics sit beside the program in the build tree and under
  # share/tslq/help once installed; the program looks in both places.
  add_custom_target(tslq_help ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help $<TARGET_FILE_DIR:tslq>/help
    COMMENT "Copying the help topics beside tslq")
  add_dependencies(tslq tslq_help)
  install(TARGETS tslq RUNTIME DESTINATION bin)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION share/tslq/help)
  include(${PROJECT_SOURCE_DIR}/translations/translations.cmake)
endif()

if(TARGET tslq_ui AND EXISTS ${app_dir}/CliMain.cpp)
  add_executable(tslq-cli ${app_dir}/CliMain.cpp)
  target_link_libraries(tslq-cli PRIVATE tslq_ui)
  tslq_warnings(tslq-cli)
endif()

if(TARGET tslq_io AND EXISTS ${app_dir}/SimMain.cpp)
  add_executable(tslq-sim ${app_dir}/SimMain.cpp)
  target_link_libraries(tslq-sim PRIVATE tslq_io)
  tslq_warnings(tslq-sim)
endif()
