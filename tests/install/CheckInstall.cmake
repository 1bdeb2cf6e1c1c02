# Installs the build into a scratch prefix and checks that the executable, the samples, the
# help pages and read-me (when the sources have them), the desktop entry, the AppStream metainfo,
# the icons, the man page and the bash completion are in the places the desktop and the program
# look; that the build tree has its samples beside the executable too; that the window module is
# installed where the program loads it from and the program itself links no Qt; that the
# installed program runs and tells its version; and that the uninstall target takes all of it
# away again.
#   cmake -DBUILD_DIR=... -DPROGRAM_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DVERSION=...
#         [-DWINDOW_MODULE=lib/...] -P CheckInstall.cmake

function(fail what)
  message(FATAL_ERROR "install check: ${what}")
endfunction()

function(expect_file path)
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    fail("missing ${path}")
  endif()
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  fail("cmake --install failed:\n${output}")
endif()

set(data "${PREFIX}/share/varnoquil")
expect_file("${PREFIX}/bin/varnoquil")
execute_process(COMMAND test -x "${PREFIX}/bin/varnoquil" RESULT_VARIABLE notExecutable)
if(notExecutable)
  fail("${PREFIX}/bin/varnoquil is not executable")
endif()

# Every sample, in the build tree beside the executable and in the installed tree.
file(GLOB samples RELATIVE "${SOURCE_DIR}/resources/samples" "${SOURCE_DIR}/resources/samples/*")
list(LENGTH samples count)
if(count EQUAL 0)
  fail("the sources have no samples")
endif()
foreach(sample ${samples})
  expect_file("${data}/Samples/${sample}")
  expect_file("${PROGRAM_DIR}/Samples/${sample}")
  file(READ "${SOURCE_DIR}/resources/samples/${sample}" original HEX)
  file(READ "${data}/Samples/${sample}" installed HEX)
  if(NOT original STREQUAL installed)
    fail("${data}/Samples/${sample} differs from its source")
  endif()
endforeach()

file(GLOB helpFiles RELATIVE "${SOURCE_DIR}/resources/help" "${SOURCE_DIR}/resources/help/*")
foreach(help ${helpFiles})
  expect_file("${data}/${help}")
endforeach()
# The help command opens this page at this anchor.
if(EXISTS "${SOURCE_DIR}/resources/help/index.html")
  file(READ "${data}/index.html" page)
  if(NOT page MATCHES "id=\"ID_INDEX\"")
    fail("${data}/index.html has no anchor ID_INDEX")
  endif()
endif()
if(EXISTS "${SOURCE_DIR}/resources/Readme.txt")
  expect_file("${data}/Readme.txt")
endif()

set(appId org.varnoquil.Varnoquil)
set(desktop "${PREFIX}/share/applications/${appId}.desktop")
expect_file("${desktop}")
file(STRINGS "${desktop}" lines ENCODING UTF-8)
foreach(want "[Desktop Entry]" "Type=Application" "Name=Varnoquil" "Exec=varnoquil %f" "Icon=varnoquil"
             "StartupNotify=true")
  list(FIND lines "${want}" at)
  if(at EQUAL -1)
    fail("${desktop} lacks the line \"${want}\"")
  endif()
endforeach()
foreach(key "GenericName=" "GenericName\\[zh_CN\\]=" "MimeType=.*text/plain")
  set(found FALSE)
  foreach(line ${lines})
    if(line MATCHES "^${key}")
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    fail("${desktop} lacks a line matching ${key}")
  endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${desktop}" RESULT_VARIABLE invalid OUTPUT_VARIABLE why ERROR_VARIABLE why)
  if(invalid)
    fail("desktop-file-validate: ${why}")
  endif()
endif()

expect_file("${PREFIX}/share/icons/hicolor/scalable/apps/varnoquil.svg")
# The PNG icons at the desktop's sizes, each as large as its folder says (the PNG header's width
# and height, big-endian, at bytes 16 and 20); they are drawn where the window is built.
if(WINDOW_MODULE)
  foreach(size 16 32 48 64 128 256)
    set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/varnoquil.png")
    expect_file("${png}")
    file(READ "${png}" header LIMIT 24 HEX)
    math(EXPR hexSize "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hexSize}" 2 -1 hexSize)
    string(LENGTH "${hexSize}" digits)
    math(EXPR pad "8 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    set(dimension "${zeros}${hexSize}")
    if(NOT header MATCHES "^89504e470d0a1a0a........49484452${dimension}${dimension}$")
      fail("${png} is not a ${size}x${size} PNG (header ${header})")
    endif()
  endforeach()
endif()

# AppStream metainfo: named after the desktop entry it launches, and accepted by appstreamcli.
set(metainfo "${PREFIX}/share/metainfo/${appId}.metainfo.xml")
expect_file("${metainfo}")
file(READ "${metainfo}" meta)
if(NOT meta MATCHES "<id>${appId}</id>" OR NOT meta MATCHES "<launchable type=\"desktop-id\">${appId}.desktop</launchable>")
  fail("${metainfo} does not name ${appId} and its desktop entry")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
  fail("appstreamcli (Debian's appstream) is not installed")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}" RESULT_VARIABLE invalid OUTPUT_VARIABLE why
                ERROR_VARIABLE why)
if(invalid)
  fail("appstreamcli validate: ${why}")
endif()

# The man page and the bash completion, where man and bash-completion look.
expect_file("${PREFIX}/share/man/man1/varnoquil.1")
file(READ "${PREFIX}/share/man/man1/varnoquil.1" man)
if(NOT man MATCHES "^\\.TH VARNOQUIL 1")
  fail("share/man/man1/varnoquil.1 is not the man page")
endif()
set(completion "${PREFIX}/share/bash-completion/completions/varnoquil")
expect_file("${completion}")
execute_process(COMMAND bash -c "source '${completion}' && complete -p varnoquil" RESULT_VARIABLE noCompletion
                OUTPUT_VARIABLE completeLine ERROR_VARIABLE completeLine)
if(noCompletion OR NOT completeLine MATCHES "-F _varnoquil")
  fail("${completion} does not set up the completion of varnoquil: ${completeLine}")
endif()

# The installed program must find every library it needs.
execute_process(COMMAND ldd "${PREFIX}/bin/varnoquil" OUTPUT_VARIABLE libraries RESULT_VARIABLE lddFailed)
if(lddFailed OR libraries MATCHES "not found")
  fail("the installed program lacks libraries:\n${libraries}")
endif()
# The command line for scripts starts without Qt: the program links none, the window module does.
if(libraries MATCHES "libQt")
  fail("the installed program links Qt:\n${libraries}")
endif()
if(WINDOW_MODULE)
  expect_file("${PREFIX}/${WINDOW_MODULE}")
  execute_process(COMMAND ldd "${PREFIX}/${WINDOW_MODULE}" OUTPUT_VARIABLE moduleLibraries RESULT_VARIABLE lddFailed)
  if(lddFailed OR moduleLibraries MATCHES "not found" OR NOT moduleLibraries MATCHES "libQt6Widgets")
    fail("the installed window module does not find its libraries:\n${moduleLibraries}")
  endif()
endif()

# The installed program runs without a display and says which version it is, on one line.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=
                        "${PREFIX}/bin/varnoquil" --version
                RESULT_VARIABLE versionStatus OUTPUT_VARIABLE versionText ERROR_VARIABLE versionError
                TIMEOUT 30)
if(NOT versionStatus EQUAL 0)
  fail("varnoquil --version exited with ${versionStatus}: ${versionError}")
endif()
if(NOT versionText STREQUAL "Varnoquil v${VERSION}\n")
  fail("varnoquil --version printed \"${versionText}\", not \"Varnoquil v${VERSION}\"")
endif()
if(NOT versionError STREQUAL "")
  fail("varnoquil --version wrote to standard error: ${versionError}")
endif()

# The uninstall target takes away every file the install put in place, and our own folders.
file(STRINGS "${BUILD_DIR}/install_manifest.txt" installed)
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target uninstall RESULT_VARIABLE result
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  fail("the uninstall target failed:\n${output}")
endif()
foreach(file ${installed})
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    fail("uninstall left ${file}")
  endif()
endforeach()
if(EXISTS "${data}")
  fail("uninstall left ${data}")
endif()

file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "install check passed: ${count} samples, desktop entry, metainfo, icons, man page, completion, uninstall, ${versionText}")
