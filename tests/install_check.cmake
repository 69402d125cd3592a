# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.24)
# Builds the Debian package of the build folder with CPack, unpacks it into a scratch folder
# and checks what a desktop needs: the program folder with tips and guide, the start link in
# bin, the desktop entry, the icons, the AppStream file, the manual page and the shell
# completions. The package stays in OUT for install_package.sh, which installs it.
function(fail text)
  message(FATAL_ERROR "${text}")
endfunction()

function(need tool package)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    fail("${tool} is missing: apt-get install ${package} (scripts/setup.sh installs it)")
  endif()
  set(${tool} "${found_${tool}}" PARENT_SCOPE)
endfunction()
need(dpkg dpkg)
need(dpkg-deb dpkg)
need(dpkg-shlibdeps dpkg-dev)
need(desktop-file-validate desktop-file-utils)
need(appstreamcli appstream)
need(man man-db)
need(file file)
need(lintian lintian)
need(readelf binutils)

file(REMOVE_RECURSE "${OUT}")
get_filename_component(cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(COMMAND "${cmake_dir}/cpack" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${OUT}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
execute_process(COMMAND "${dpkg}" --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT}/clipvox_${VERSION}_${arch}.deb")
if(NOT rc EQUAL 0 OR NOT EXISTS "${deb}")
  fail("cpack did not make ${deb} (build every target first):\n${said}")
endif()

# The control fields: name and version, and the libraries dpkg-shlibdeps found.
foreach(field Package Version Architecture Depends)
  execute_process(COMMAND "${dpkg-deb}" --field "${deb}" ${field} OUTPUT_VARIABLE ${field}
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
endforeach()
if(NOT Package STREQUAL "clipvox" OR NOT Version STREQUAL "${VERSION}" OR NOT Architecture STREQUAL "${arch}")
  fail("the package is ${Package} ${Version} ${Architecture}, not clipvox ${VERSION} ${arch}")
endif()
foreach(library libqt6widgets6 libavformat libmpv libmp3lame0 libtag1v5 libc6)
  string(FIND "${Depends}" "${library}" at)
  if(at EQUAL -1)
    fail("the package does not depend on ${library}: Depends: ${Depends}")
  endif()
endforeach()

# Every file lies under /usr.
execute_process(COMMAND "${dpkg-deb}" --contents "${deb}" OUTPUT_VARIABLE listing)
# Each line ends "hh:mm PATH" or "hh:mm PATH -> TARGET".
string(REGEX MATCHALL ":[0-9][0-9] \\./[^ \n]*" paths "${listing}")
list(LENGTH paths count)
if(count LESS 10)
  fail("dpkg-deb --contents lists ${count} paths:\n${listing}")
endif()
foreach(path ${paths})
  string(SUBSTRING "${path}" 4 -1 path)
  if(NOT path MATCHES "^\\./usr/")
    fail("the package installs ${path}, outside /usr")
  endif()
endforeach()

set(DEST "${OUT}/root")
execute_process(COMMAND "${dpkg-deb}" --extract "${deb}" "${DEST}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("dpkg-deb --extract failed: ${rc}")
endif()
set(DEST "${DEST}/usr")
set(entry_file ${DATADIR}/applications/org.clipvox.Clipvox.desktop)
set(metainfo_file ${DATADIR}/metainfo/org.clipvox.Clipvox.metainfo.xml)
set(icons ${DATADIR}/icons/hicolor/scalable/apps/clipvox.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND icons ${DATADIR}/icons/hicolor/${size}x${size}/apps/clipvox.png)
endforeach()
foreach(f ${LIBDIR}/clipvox/clipvox ${LIBDIR}/clipvox/tips.txt ${LIBDIR}/clipvox/clipvox.html
          ${BINDIR}/clipvox ${entry_file} ${metainfo_file} ${MANDIR}/man1/clipvox.1.gz ${icons}
          ${DATADIR}/bash-completion/completions/clipvox ${DATADIR}/zsh/vendor-completions/_clipvox
          ${DATADIR}/fish/vendor_completions.d/clipvox.fish)
  if(NOT EXISTS "${DEST}/${f}")
    fail("not in the package: /usr/${f}")
  endif()
endforeach()

# The link in bin is relative and leads to the program, which runs from the unpacked tree.
if(NOT IS_SYMLINK "${DEST}/${BINDIR}/clipvox")
  fail("${BINDIR}/clipvox is no link")
endif()
file(READ_SYMLINK "${DEST}/${BINDIR}/clipvox" target)
if(IS_ABSOLUTE "${target}")
  fail("the link's target is absolute: ${target}")
endif()
file(REAL_PATH "${DEST}/${BINDIR}/clipvox" resolved)
file(REAL_PATH "${DEST}/${LIBDIR}/clipvox/clipvox" program)
if(NOT resolved STREQUAL program)
  fail("the link leads to ${resolved}, not to ${program}")
endif()
execute_process(COMMAND "${DEST}/${BINDIR}/clipvox" --version OUTPUT_VARIABLE said RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT said MATCHES "^clipvox ${VERSION}\nLicense GPL-3.0-or-later")
  fail("the packaged clipvox --version said \"${said}\" (${rc}), not clipvox ${VERSION}")
endif()

# Each PNG is drawn at the size its folder names.
foreach(size 16 32 48 64 128 256)
  execute_process(COMMAND "${file}" --brief "${DEST}/${DATADIR}/icons/hicolor/${size}x${size}/apps/clipvox.png"
                  OUTPUT_VARIABLE said)
  if(NOT said MATCHES "^PNG image data, ${size} x ${size},")
    fail("the ${size}x${size} icon is ${said}")
  endif()
endforeach()

file(STRINGS "${DEST}/${entry_file}" entry)
foreach(line "Exec=clipvox %F" "Icon=clipvox" "Type=Application")
  if(NOT line IN_LIST entry)
    fail("the desktop entry lacks ${line}")
  endif()
endforeach()
# "Open with Clipvox" for every video type the add-files dialog offers.
file(READ "${DEST}/${entry_file}" text)
string(REGEX MATCH "\nMimeType=([^\n]*)" mimetypes "${text}")
string(REPLACE ";" "\n" entry_types "${CMAKE_MATCH_1}")
string(STRIP "${entry_types}" entry_types)
foreach(type video/x-msvideo video/mpeg video/x-ms-wmv application/vnd.ms-asf video/mp4 video/x-matroska
             video/webm video/quicktime video/x-flv video/mp2t video/3gpp video/ogg video/dv)
  string(FIND "${mimetypes}" "=${type};" at1)
  string(FIND "${mimetypes}" ";${type};" at2)
  if(at1 EQUAL -1 AND at2 EQUAL -1)
    fail("the desktop entry does not offer ${type}")
  endif()
endforeach()
execute_process(COMMAND "${desktop-file-validate}" "${DEST}/${entry_file}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR NOT said STREQUAL "")
  fail("desktop-file-validate: ${said}")
endif()

# AppStream: valid, naming the desktop entry, the media types it opens and this version.
execute_process(COMMAND "${appstreamcli}" validate --no-net "${DEST}/${metainfo_file}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR said MATCHES "(^|\n)[EW]: ")
  fail("appstreamcli validate --no-net:\n${said}")
endif()
# The whole tree too: the launchable's desktop entry and its icon are in the package.
execute_process(COMMAND "${appstreamcli}" validate-tree --no-net "${OUT}/root"
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR said MATCHES "(^|\n)[EW]: ")
  fail("appstreamcli validate-tree --no-net:\n${said}")
endif()
file(READ "${DEST}/${metainfo_file}" metainfo)
string(REGEX MATCHALL "<mediatype>[^<]*</mediatype>" provided "${metainfo}")
string(REGEX REPLACE "</?mediatype>" "" provided "${provided}")
string(REPLACE ";" "\n" provided "${provided}")
if(NOT provided STREQUAL entry_types)
  fail("the AppStream media types differ from the desktop entry's:\n${provided}\n--\n${entry_types}")
endif()
foreach(part "<launchable type=\"desktop-id\">org.clipvox.Clipvox.desktop</launchable>"
             "<binary>clipvox</binary>" "<content_rating type=\"oars-1.1\"")
  string(FIND "${metainfo}" "${part}" at)
  if(at EQUAL -1)
    fail("the AppStream file lacks ${part}")
  endif()
endforeach()
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the newest AppStream release is ${CMAKE_MATCH_1}, the program's version ${VERSION}: add a release")
endif()

# The manual page renders without a warning and names this version.
set(ENV{MANWIDTH} 80)
execute_process(COMMAND "${man}" --warnings --local-file "${DEST}/${MANDIR}/man1/clipvox.1.gz"
                RESULT_VARIABLE rc OUTPUT_VARIABLE page ERROR_VARIABLE said)
if(NOT rc EQUAL 0 OR NOT said STREQUAL "")
  fail("man --warnings: ${said}")
endif()
foreach(part "clipvox --convert" "EXIT STATUS" "Clipvox ${VERSION}")
  string(FIND "${page}" "${part}" at)
  if(at EQUAL -1)
    fail("the manual page lacks \"${part}\"")
  endif()
endforeach()

# The licence and the changes where Debian keeps them; lintian finds no error nor warning.
foreach(f copyright changelog.gz)
  if(NOT EXISTS "${DEST}/${DATADIR}/doc/clipvox/${f}")
    fail("not in the package: /usr/${DATADIR}/doc/clipvox/${f}")
  endif()
endforeach()
execute_process(COMMAND "${lintian}" --fail-on error,warning "${deb}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE ignored)
if(NOT rc EQUAL 0)
  fail("lintian --fail-on error,warning:\n${said}")
endif()

# The distribution's hardening: relocations bound at start and the stack protector.
# (FORTIFY_SOURCE is given too; its checked functions appear only where the program copies
# into a buffer of a size known when it is compiled, which Clipvox's own code does not.)
execute_process(COMMAND "${readelf}" --dynamic --dyn-syms --wide "${DEST}/${LIBDIR}/clipvox/clipvox" OUTPUT_VARIABLE elf)
foreach(sign "BIND_NOW" "__stack_chk_fail")
  string(FIND "${elf}" "${sign}" at)
  if(at EQUAL -1)
    fail("the program is built without the hardening that ${sign} shows")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUT}/root")
message(STATUS "built and checked ${deb}")
