# The install. The program lives in Tera Term's folder, so the install prefix is that
# folder:
#
#   cmake --install build --prefix "TERA TERM FOLDER"
#
# puts Skelderc, skeldertool and the data files beside ttermpro.exe, the tool's manual
# page below it in share/man/man1 (where man finds it once the folder is on PATH), and
# on Linux the icon and a desktop entry for the installed program into $XDG_DATA_HOME.
# A folder without ttermpro.exe is refused before anything is written. Tera Term's own
# teraterm.ini is never installed, so the user's stays as it is.

set(SKELDER_ICON_SIZES 16 24 32 48 64 128 256)
set(SKELDER_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/skelder.svg)
set(SKELDER_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

# The PNG sizes of the icon, rendered from its SVG.
if(NOT WIN32 AND SKELDER_GUI)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_files)
  foreach(size ${SKELDER_ICON_SIZES})
    set(png ${SKELDER_ICON_DIR}/${size}x${size}/skelder.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${SKELDER_ICON_DIR}/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${SKELDER_ICON_SVG}
      DEPENDS ${SKELDER_ICON_SVG})
    list(APPEND icon_files ${png})
  endforeach()
  add_custom_target(skelder_icons ALL DEPENDS ${icon_files})
endif()

install(CODE "
  set(skelder_folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  if(NOT EXISTS \"\${skelder_folder}/ttermpro.exe\" OR IS_DIRECTORY \"\${skelder_folder}/ttermpro.exe\")
    message(FATAL_ERROR \"No ttermpro.exe in \${skelder_folder}: Skelder installs into Tera Term's \"
                        \"folder. Name that folder as the prefix (cmake --install BUILD --prefix \"
                        \"FOLDER). Nothing was installed.\")
  endif()" ALL_COMPONENTS)

set(installed_programs skeldertool)
if(TARGET Skelderc)
  list(PREPEND installed_programs Skelderc)
endif()
if(TARGET skeldertool)
  install(TARGETS ${installed_programs} RUNTIME DESTINATION .)
endif()
# The help files (*.chm), where the data folder has any.
file(GLOB help_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.chm)
install(FILES ${CMAKE_SOURCE_DIR}/data/KeyFile.ini ${CMAKE_SOURCE_DIR}/data/SynComp.pro
              ${CMAKE_SOURCE_DIR}/data/ttmacro.tpl ${help_files}
        DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/skeldertool.1 DESTINATION share/man/man1)

if(NOT WIN32 AND SKELDER_GUI)
  install(CODE "
    set(SKELDER_ICON_SIZES \"${SKELDER_ICON_SIZES}\")
    set(SKELDER_ICON_SVG \"${SKELDER_ICON_SVG}\")
    set(SKELDER_ICON_DIR \"${SKELDER_ICON_DIR}\")")
  install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallDesktopFiles.cmake)
endif()
if(TARGET system_tests AND TARGET skelder_icons)
  add_dependencies(system_tests skelder_icons)  # the install test installs the icon
endif()
