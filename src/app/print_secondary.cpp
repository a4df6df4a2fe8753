// The secondary-member printout for the command line.
#include "app/print_secondary.h"

#include "secondary/zatu_file.h"
#include "secondary/zatu_print.h"

namespace tv::app {

shell::HelpPrintout secondaryPrintout(const shell::DataRoot& root) {
    const secondary::ZatuRowsResult loaded = secondary::LoadZatuRows(secondary::zatuFilePath(root));
    if (!loaded.ok())
        return {{}, loaded.error};
    return {secondary::ZatuPrintLayout(loaded.rows), {}};
}

} // namespace tv::app
