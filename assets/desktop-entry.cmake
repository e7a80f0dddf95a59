# Writes the installed menu entry. It names the program by its full path:
# ~/.local/bin is often not on the session's PATH. An archive can be unpacked
# anywhere, so its entry keeps the plain name.
set(program "${CMAKE_INSTALL_PREFIX}/${KWINDEL_BINDIR}/kwindel")
if(program MATCHES "/_CPack_Packages/")
    set(KWINDEL_EXEC kwindel)
elseif(program MATCHES "^[-A-Za-z0-9_./+,:@]+$")
    # Plain, as tools that read the entry (lintian) expect where nothing needs quoting.
    set(KWINDEL_EXEC "${program}")
else()
    # Quoted as desktop entries quote, then each backslash doubled once more
    # for the string itself.
    foreach(special "\\" "\"" "`" "$")
        string(REPLACE "${special}" "\\${special}" program "${program}")
    endforeach()
    string(REPLACE "\\" "\\\\" program "${program}")
    string(REPLACE "%" "%%" program "${program}")
    set(KWINDEL_EXEC "\"${program}\"")
endif()
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KWINDEL_APPLICATIONS}/${KWINDEL_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${KWINDEL_ENTRY}" "${entry}" @ONLY)
