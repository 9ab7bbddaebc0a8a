# `cmake --build build --target package` writes build/lianliankan_<version>_amd64.deb, the game laid
# out after Debian's conventions for games:
#   /usr/games/lianliankan, /usr/games/llk-lab        the launcher and the board analyser
#   /usr/lib/games/lianliankan/                       the game, with Background/ and Help.txt beside
#                                                     it as links into /usr/share/games/lianliankan/
#   /usr/share/{applications,icons,metainfo,man,doc}  desktop entry, icons, AppStream, manuals
# These install rules form the component `deb`, which a plain `cmake --install` leaves out: that
# keeps the layout of cmake/Install.cmake for /usr/local and ~/.local.
# The game's AppStream id, in reverse-DNS form under the address the about window gives.
set(LLK_APP_ID com.example.lianliankan)
set(deb_src ${PROJECT_SOURCE_DIR}/assets/install)
set(deb_build ${CMAKE_BINARY_DIR}/packaging)
set(deb_game_dir lib/games/lianliankan)
set(deb_data_dir share/games/lianliankan)
set(deb_doc_dir share/doc/lianliankan)
set(deb_rule COMPONENT deb EXCLUDE_FROM_ALL)

# The changelog's newest entry is the package's version.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT changelog_head MATCHES "^lianliankan \\(${version_pattern}\\) ")
  message(FATAL_ERROR "packaging/changelog must start with an entry for version ${PROJECT_VERSION}")
endif()

install(TARGETS lianliankan RUNTIME DESTINATION ${deb_game_dir} ${deb_rule})
install(TARGETS llk-lab RUNTIME DESTINATION games ${deb_rule})
install(DIRECTORY ${LLK_RUNTIME_DIR}/Background DESTINATION ${deb_data_dir} ${deb_rule}
  FILES_MATCHING PATTERN "*.jpg" PATTERN "*.JPG")
install(FILES ${LLK_RUNTIME_DIR}/Help.txt ${LLK_RUNTIME_DIR}/Help.en.txt DESTINATION ${deb_data_dir} ${deb_rule})
# The game reads its data from its own folder; the links keep the data in /usr/share.
file(MAKE_DIRECTORY ${deb_build}/links)
foreach(name IN ITEMS Background Help.txt Help.en.txt)
  file(CREATE_LINK ../../../${deb_data_dir}/${name} ${deb_build}/links/${name} SYMBOLIC)
  install(FILES ${deb_build}/links/${name} DESTINATION ${deb_game_dir} ${deb_rule})
endforeach()

file(RELATIVE_PATH LLK_LAUNCHER_TO_GAME /games /${deb_game_dir})
configure_file(${deb_src}/lianliankan.in ${deb_build}/lianliankan @ONLY)
install(PROGRAMS ${deb_build}/lianliankan DESTINATION games ${deb_rule})

set(LLK_LAUNCHER_EXEC /usr/games/lianliankan)
configure_file(${deb_src}/lianliankan.desktop.in ${deb_build}/lianliankan.desktop @ONLY)
install(FILES ${deb_build}/lianliankan.desktop DESTINATION share/applications ${deb_rule})
install(DIRECTORY ${CMAKE_BINARY_DIR}/install/icons/ DESTINATION share/icons/hicolor ${deb_rule})
configure_file(${deb_src}/lianliankan.metainfo.xml.in ${deb_build}/${LLK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${deb_build}/${LLK_APP_ID}.metainfo.xml DESTINATION share/metainfo ${deb_rule})

# Manual pages and the changelog go in compressed, without a time stamp, as Debian asks.
set(gzipped)
function(llk_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND gzip -9nc ${source} > ${target}
    DEPENDS ${source} VERBATIM)
  set(gzipped ${gzipped} ${target} PARENT_SCOPE)
endfunction()
foreach(page IN ITEMS lianliankan.6 lianliankan.zh_CN.6 llk-lab.6)
  configure_file(${deb_src}/${page} ${deb_build}/man/${page} @ONLY)
  llk_gzip(${deb_build}/man/${page} ${deb_build}/man/${page}.gz)
endforeach()
llk_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${deb_build}/changelog.gz)
add_custom_target(llk_package_files ALL DEPENDS ${gzipped})
install(FILES ${deb_build}/man/lianliankan.6.gz ${deb_build}/man/llk-lab.6.gz
  DESTINATION share/man/man6 ${deb_rule})
install(FILES ${deb_build}/man/lianliankan.zh_CN.6.gz DESTINATION share/man/zh_CN/man6
  RENAME lianliankan.6.gz ${deb_rule})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${deb_build}/changelog.gz
  DESTINATION ${deb_doc_dir} ${deb_rule})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lianliankan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Lanchuan Lianliankan developers <maintainers@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-matching link game with a Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION "Lanchuan Lianliankan (岚川连连看) is a tile-matching puzzle: click two
tiles with the same picture, and when a path of at most three straight lines
joins them through empty cells, both are removed. Thirty picture sets, five
difficulties and eleven levels that slide the remaining tiles in their own
ways lead to a final board where every pair is different.
.
The package also holds llk-lab, which analyses boards and plays scripted
games on the command line.")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: the Chinese font the game draws with and Qt's own Chinese texts.
# Recommended: Qt's platform plugin for Wayland desktops (X11's comes with Qt's GUI library), and
# the sound server Qt Multimedia plays through; without it the game plays silently.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pipewire-pulse | pulseaudio")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
