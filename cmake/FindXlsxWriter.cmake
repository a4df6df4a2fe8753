# Finds libxlsxwriter, which writes the totals workbook (Debian: libxlsxwriter-dev, installed by
# scripts/setup.sh), as the imported target XlsxWriter::XlsxWriter.
find_path(XlsxWriter_INCLUDE_DIR xlsxwriter.h)
find_library(XlsxWriter_LIBRARY xlsxwriter)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(XlsxWriter
    REQUIRED_VARS XlsxWriter_LIBRARY XlsxWriter_INCLUDE_DIR
    REASON_FAILURE_MESSAGE "libxlsxwriter is missing: run scripts/setup.sh (Debian package libxlsxwriter-dev)")

if(XlsxWriter_FOUND AND NOT TARGET XlsxWriter::XlsxWriter)
    add_library(XlsxWriter::XlsxWriter UNKNOWN IMPORTED)
    set_target_properties(XlsxWriter::XlsxWriter PROPERTIES
        IMPORTED_LOCATION "${XlsxWriter_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${XlsxWriter_INCLUDE_DIR}")
endif()
mark_as_advanced(XlsxWriter_INCLUDE_DIR XlsxWriter_LIBRARY)
