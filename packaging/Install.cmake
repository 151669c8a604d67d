# The desktop side of an installation: the application menu entry, its icon,
# the AppStream metainfo and the udev rules that give the logged-in user the
# hardware, in the XDG and udev places under the prefix.
set(velk_id org.velkeval.VelkEval)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velk_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velk_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velk_id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velk_id}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${velk_id}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/70-velkeval.rules DESTINATION lib/udev/rules.d)
