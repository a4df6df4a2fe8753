# Writes the manual page torvanel.1.gz from `torvanel --help`, so that the page and the program's own
# usage text never differ. Called with -DEXE=<torvanel> -DVERSION=<version> -DOUT=<torvanel.1.gz>.
execute_process(COMMAND ${EXE} --help OUTPUT_VARIABLE usage RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "torvanel --help failed: ${result}")
endif()
# roff: a backslash is written \e, and a line may not start with a full stop or an apostrophe.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" usage "\n${usage}")
string(REGEX REPLACE "^\n" "" usage "${usage}")
set(page ".TH TORVANEL 1 \"2026-12-11\" \"torvanel ${VERSION}\" \"User Commands\"
.SH NAME
torvanel \\- quantity take-off of steel building frames
.SH SYNOPSIS
.nf
${usage}.fi
.SH DESCRIPTION
Without a command, torvanel opens its start window on the data folder (~/Torvanel, or the folder
named by TORVANEL_DATA_ROOT or --data-root). With a command it runs headless: messages go to
standard error, tables and comparisons to standard output.
.SH EXIT STATUS
0 done; 1 the command ran and reported a problem; 2 bad usage or input that cannot be read.
")
get_filename_component(folder "${OUT}" DIRECTORY)
file(WRITE "${folder}/torvanel.1" "${page}")
execute_process(COMMAND gzip -n -9 -f "${folder}/torvanel.1" RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
    message(FATAL_ERROR "gzip failed: ${zipped}")
endif()
