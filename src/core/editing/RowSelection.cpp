#include "core/editing/RowSelection.h"

#include "core/document/Document.h"

#include <stdexcept>

namespace vq {

void RequireSelection(const Document& doc, SelectedRows selected) {
    for (size_t k = 0; k < selected.size(); ++k)
        if (selected[k] >= doc.rowCount() || (k > 0 && selected[k] <= selected[k - 1]))
            throw std::invalid_argument("selected rows must be ascending indexes of rows");
}

}  // namespace vq
