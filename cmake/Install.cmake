# `cmake --install`: the game in a folder of its own with its Background pictures and Help.txt
# beside it (it reads them from its own folder), a launcher on the PATH, a desktop entry and the
# icon in the hicolor theme, so the game shows up in a desktop's menu.
include(GNUInstallDirs)
set(LLK_INSTALL_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/lianliankan)
set(llk_install_src ${PROJECT_SOURCE_DIR}/assets/install)
set(llk_install_build ${CMAKE_BINARY_DIR}/install)

install(TARGETS lianliankan RUNTIME DESTINATION ${LLK_INSTALL_GAME_DIR})
install(DIRECTORY ${LLK_RUNTIME_DIR}/Background DESTINATION ${LLK_INSTALL_GAME_DIR}
  FILES_MATCHING PATTERN "*.jpg" PATTERN "*.JPG")
install(FILES ${LLK_RUNTIME_DIR}/Help.txt ${LLK_RUNTIME_DIR}/Help.en.txt DESTINATION ${LLK_INSTALL_GAME_DIR})

# The launcher finds the game relative to itself, so an installed tree can be moved.
file(RELATIVE_PATH LLK_LAUNCHER_TO_GAME /${CMAKE_INSTALL_BINDIR} /${LLK_INSTALL_GAME_DIR})
configure_file(${llk_install_src}/lianliankan.in ${llk_install_build}/lianliankan @ONLY)
install(PROGRAMS ${llk_install_build}/lianliankan DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry names the launcher by its full path under the prefix given at install time.
install(CODE "
  set(LLK_DESKTOP_TEMPLATE \"${llk_install_src}/lianliankan.desktop.in\")
  set(LLK_DESKTOP_WORK \"${llk_install_build}\")
  set(LLK_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(LLK_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
")
install(SCRIPT ${llk_install_src}/install_desktop_entry.cmake)

add_executable(llk_icongen ${llk_install_src}/write_icons.cpp)
target_link_libraries(llk_icongen PRIVATE llk_artwork Qt6::Gui)
set_target_properties(llk_icongen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${llk_install_build})
set(icon_stamp ${llk_install_build}/icons.stamp)
add_custom_command(OUTPUT ${icon_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${llk_install_build}/icons
  COMMAND llk_icongen ${llk_install_build}/icons lianliankan
  COMMAND ${CMAKE_COMMAND} -E touch ${icon_stamp}
  DEPENDS llk_icongen
  COMMENT "Writing the icon theme files")
add_custom_target(llk_install_icons ALL DEPENDS ${icon_stamp})
install(DIRECTORY ${llk_install_build}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Desktops look icons up in the theme's cache where one exists; a stale one would hide ours.
install(CODE "
  set(cache_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/icons/hicolor\")
  find_program(LLK_ICON_CACHE_TOOL gtk-update-icon-cache)
  if(EXISTS \"\${cache_dir}/icon-theme.cache\" AND LLK_ICON_CACHE_TOOL AND \"\$ENV{DESTDIR}\" STREQUAL \"\")
    execute_process(COMMAND \"\${LLK_ICON_CACHE_TOOL}\" -q -t -f \"\${cache_dir}\")
  endif()
")
