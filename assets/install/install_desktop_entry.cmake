# Install-time script: writes the desktop entry with the launcher's full path under the prefix
# chosen at install time. Needs LLK_DESKTOP_TEMPLATE, LLK_DESKTOP_WORK, LLK_BINDIR, LLK_DATADIR.
set(launcher "${CMAKE_INSTALL_PREFIX}/${LLK_BINDIR}/lianliankan")
# The Exec key quotes the path: \ " ` $ get a backslash, % is doubled, then the value's own
# escaping doubles every backslash.
string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" exec "${launcher}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
set(LLK_LAUNCHER_EXEC "\"${exec}\"")
configure_file("${LLK_DESKTOP_TEMPLATE}" "${LLK_DESKTOP_WORK}/lianliankan.desktop" @ONLY)
file(INSTALL "${LLK_DESKTOP_WORK}/lianliankan.desktop"
  DESTINATION "${CMAKE_INSTALL_PREFIX}/${LLK_DATADIR}/applications")
