# orvane_install_desktop_entry(NAME): installs the program NAME into the program folder
# <prefix>/lib/orvane (where it finds its style, help and data files and writes its
# pages), a link <prefix>/bin/NAME, the menu entry share/applications/NAME.desktop
# and the icon share/icons/hicolor/scalable/apps/NAME.svg. The entry's Exec is
# written at install time, so that `cmake --install BUILD --prefix DIR` names DIR.
set(ORVANE_INSTALL_PROGRAM_DIR lib/orvane)
set(ORVANE_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR})

function(orvane_install_desktop_entry name)
  install(TARGETS ${name} RUNTIME DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR})
  install(FILES ${ORVANE_DESKTOP_DIR}/${name}.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(ORVANE_EXEC \"\${CMAKE_INSTALL_PREFIX}/${ORVANE_INSTALL_PROGRAM_DIR}/${name}\")
    message(STATUS \"Installing: \${root}/share/applications/${name}.desktop\")
    configure_file(\"${ORVANE_DESKTOP_DIR}/${name}.desktop.in\" \"\${root}/share/applications/${name}.desktop\" @ONLY)
    file(MAKE_DIRECTORY \"\${root}/bin\")
    file(REMOVE \"\${root}/bin/${name}\")
    message(STATUS \"Installing: \${root}/bin/${name}\")
    file(CREATE_LINK \"../${ORVANE_INSTALL_PROGRAM_DIR}/${name}\" \"\${root}/bin/${name}\" SYMBOLIC)
  ")
endfunction()
