# Run by cpack once the package's files are staged, before the package is made: the
# libraries the program and its own libraries need, as dpkg-shlibdeps names their packages,
# go before the dependencies named by hand. CPack could find them itself, but then it also
# gives the package maintainer scripts that run ldconfig for every library below /usr/lib,
# which the program's private libraries in /usr/lib/tessaly/ do not want.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB_RECURSE staged_files LIST_DIRECTORIES false "${staged}/*")
set(elf_files)
set(library_dirs)
foreach(file IN LISTS staged_files)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        list(APPEND elf_files "${file}")
        get_filename_component(folder "${file}" DIRECTORY)
        list(APPEND library_dirs "-l${folder}")
    endif()
endforeach()
list(REMOVE_DUPLICATES library_dirs)
if(NOT elf_files)
    message(FATAL_ERROR "PackageDepends: no program or library among the staged files")
endif()

# dpkg-shlibdeps wants to run beside a debian/control; the program's own libraries are found
# in the staged tree and belong to this package.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(REMOVE_RECURSE "${work}")
file(WRITE "${work}/debian/control" "")
find_program(SHLIBDEPS dpkg-shlibdeps REQUIRED)
execute_process(COMMAND ${SHLIBDEPS} --ignore-missing-info -O ${library_dirs} ${elf_files}
    WORKING_DIRECTORY "${work}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(REMOVE_RECURSE "${work}")
if(NOT result EQUAL 0 OR NOT output MATCHES "shlibs:Depends=([^\n]*)")
    message(FATAL_ERROR "dpkg-shlibdeps failed (${result}):\n${errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
