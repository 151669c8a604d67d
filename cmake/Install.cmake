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

# Manual pages and the package's changelog go in compressed, as Debian wants
# them (gzip -n: the same bytes at every build).
find_program(GZIP gzip REQUIRED)
function(velk_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/${source} > ${gzipped}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(gzip_${target} ALL DEPENDS ${gzipped})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
foreach(page velkeval/cli/velkeval-cli.1 velkeval/VelkEval.1 syncdelay/syncdelay.1)
  velk_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# share/doc/<package name>, as Debian looks for it.
set(velk_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velkeval)
velk_install_gzipped(packaging/changelog ${velk_doc_dir})
install(FILES packaging/copyright DESTINATION ${velk_doc_dir})

# The links in bin/ point into the program folder relatively, so they hold
# under any prefix and in an unpacked package.
file(RELATIVE_PATH velk_bin_to_programs /${CMAKE_INSTALL_BINDIR} /${VELK_PROGRAM_DIR})
foreach(program IN LISTS velk_programs)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${velk_bin_to_programs}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Linking: \${link}\")")
endforeach()
