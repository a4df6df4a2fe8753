// Shared helpers of the registry windows.
#include "registries/registry_grid.h"

#include "registries/registry_text.h"

namespace tv::registries {

void markNumberCell(services::TextGrid& grid, int row, int column) {
    const QString& text = grid.text(row, column);
    const bool unreadable = !text.isEmpty() && !readsAsPlainNumber(text);
    grid.setBackColor(row, column, unreadable ? std::optional(kUnreadableNumberColor) : std::nullopt);
}

} // namespace tv::registries
