# An installed VelkEval keeps its programs, its libraries and the sample
# description together in one program folder, lib/velkeval: that folder is
# where the programs look for the sax component, syncdelay and the default
# description. bin/ holds links to the programs.
include(GNUInstallDirs)
set(VELK_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/velkeval)
set(velk_programs VelkEval velkeval-cli syncdelay saxdump velk-register velk-board)
set(velk_libraries sax velk_component portio)

# Each finds the libraries beside itself.
set_target_properties(${velk_programs} ${velk_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${velk_programs} RUNTIME DESTINATION ${VELK_PROGRAM_DIR})
install(TARGETS ${velk_libraries} LIBRARY DESTINATION ${VELK_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/VelkEval.xml DESTINATION ${VELK_PROGRAM_DIR})
install(FILES velkeval/cli/velkeval-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The links name the installed place (a staging DESTDIR is not part of it).
foreach(program IN LISTS velk_programs)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"\${CMAKE_INSTALL_PREFIX}/${VELK_PROGRAM_DIR}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Linking: \${link}\")")
endforeach()
