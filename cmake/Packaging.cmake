# SPDX-License-Identifier: MIT
# Debian package of the program: `cmake --build <build> --target package`
# (or `cpack -G DEB` in the build folder) writes tarnivo_<version>_<arch>.deb.
# Everything in it comes from the install rules, so the package and
# `cmake --install` put the same files in the same places under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnivo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnivo developers")
set(TARNIVO_MAINTAINER "Tarnivo developers <developers@tarnivo.org>")
set(CPACK_PACKAGE_CONTACT "${TARNIVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom drill in simplifying quotients of square roots")
# Lines of one paragraph are joined when shown; a blank line starts the next.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tarnivo is a drill for algebra classes. A student signs in with a class\n"
  "period, a student number, a name and the teacher's name, then simplifies\n"
  "twenty quotients of square roots, choosing the shape of each answer and\n"
  "typing its numbers. Every answer is marked box by box at once, with a\n"
  "running count and grade.\n"
  "\n"
  "For teachers: every student gets the same sequence of problems, so answers\n"
  "can be compared across a class, and at the end of the set the student\n"
  "prints the window, with the score and the sign-in details, as a record of\n"
  "the work to hand in. The program keeps no files and needs no network.")
set(CPACK_STRIP_FILES ON)
# A stripped install also drops what a plain strip keeps and nothing reads: the
# compilers' version strings (.comment) and the old-style notes (.note), as
# Debian strips its own programs.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tarnivo\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARNIVO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# What the program loads that no library scan can see, one package a line. The
# plugins it loads at run time (X11 platform, compose input, image formats, CUPS
# printing) ship in libqt6gui6 and libqt6printsupport6, which the libraries
# already bring; the faces that stand in for the ones the windows name are
# found by fontconfig by name, so their packages are named here.
set(tarnivo_runtime_depends
  fonts-liberation   # Liberation Sans and Serif (and Sans Narrow before Debian 13)
  fonts-dejavu-core  # DejaVu Sans, every face's second choice and the default sans-serif
)
# Debian 13 moved Liberation Sans Narrow, the face of the big digits, into a package of its
# own; the package built on a release with it depends on it.
execute_process(COMMAND dpkg-query -W "-f=\${Status}" fonts-liberation-sans-narrow
                OUTPUT_VARIABLE tarnivo_narrow_status ERROR_QUIET)
if(tarnivo_narrow_status MATCHES "install ok installed")
  list(APPEND tarnivo_runtime_depends fonts-liberation-sans-narrow)
endif()
find_program(TARNIVO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TARNIVO_DPKG_SHLIBDEPS)
  # The libraries the binary links, with the versions it was built against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  list(PREPEND tarnivo_runtime_depends
       libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libstdc++6 libgcc-s1 libc6)
endif()
list(JOIN tarnivo_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Fonts for the students' names in the scripts of the large school systems, one small font
# a script: about 2 MB in all besides the 5 MB CJK one, against 42 MB for the one package
# with every Noto face. DejaVu Sans, a dependency, already has Hebrew and Arabic. And Qt's
# own dialog texts in the program's languages.
set(tarnivo_recommends
  fonts-wqy-microhei        # Chinese, Japanese and Korean
  fonts-lohit-deva          # Devanagari: Hindi, Marathi, Nepali
  fonts-lohit-beng-bengali  # Bengali and Assamese
  fonts-lohit-gujr          # Gujarati
  fonts-lohit-guru          # Gurmukhi (Punjabi)
  fonts-lohit-knda          # Kannada
  fonts-lohit-mlym          # Malayalam
  fonts-lohit-orya          # Odia
  fonts-lohit-taml          # Tamil
  fonts-lohit-telu          # Telugu
  fonts-lklug-sinhala       # Sinhala
  fonts-tlwg-loma-otf       # Thai
  qt6-translations-l10n     # the file dialog and message-box buttons in German, French, Spanish, Portuguese
)
list(JOIN tarnivo_recommends ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
# Printing goes to the user's default queue through CUPS.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)
