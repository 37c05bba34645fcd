# Run by the install on Linux: the icon in the hicolor theme and a desktop entry that
# starts the program installed in CMAKE_INSTALL_PREFIX, both below the user's data
# folder ($XDG_DATA_HOME, by default ~/.local/share).
if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  set(data_home "$ENV{XDG_DATA_HOME}")
else()
  set(data_home "$ENV{HOME}/.local/share")
endif()
set(data_home "$ENV{DESTDIR}${data_home}")

file(INSTALL ${SKELDER_ICON_SVG} DESTINATION ${data_home}/icons/hicolor/scalable/apps)
foreach(size ${SKELDER_ICON_SIZES})
  file(INSTALL ${SKELDER_ICON_DIR}/${size}x${size}/skelder.png
       DESTINATION ${data_home}/icons/hicolor/${size}x${size}/apps)
endforeach()

# One argument of the Exec key: quoted, with the characters special within quotes
# escaped and "%" doubled.
function(exec_argument out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" value "${value}")
  endforeach()
  string(REPLACE "%" "%%" value "${value}")
  set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

exec_argument(exec "${CMAKE_INSTALL_PREFIX}/Skelderc")
# A Tera Term folder inside a Wine prefix: the program starts with WINEPREFIX naming that
# prefix, so that Tera Term runs in its own.
if(CMAKE_INSTALL_PREFIX MATCHES "^(.+)/drive_c(/|$)")
  set(wine_prefix "${CMAKE_MATCH_1}")
  if(EXISTS "${wine_prefix}/system.reg")
    exec_argument(prefix "WINEPREFIX=${wine_prefix}")
    set(exec "env ${prefix} ${exec}")
  endif()
endif()
# The whole as a string value.
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\n" "\\n" exec "${exec}")
string(REPLACE "\t" "\\t" exec "${exec}")
string(REPLACE "\r" "\\r" exec "${exec}")

set(entry "${data_home}/applications/skelder.desktop")
message(STATUS "Installing: ${entry}")
file(WRITE "${entry}"
     "[Desktop Entry]\n"
     "Type=Application\n"
     "Name=Skelder Configuration\n"
     "GenericName=Tera Term connection organiser\n"
     "Comment=Keep Tera Term connections in a tree and run their macros\n"
     "Exec=${exec} %f\n"
     "Icon=skelder\n"
     "Terminal=false\n"
     "Categories=Network;RemoteAccess;\n")
