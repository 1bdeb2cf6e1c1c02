#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace vq {

class Document;

// The selected rows of the content list, as a command receives them: indexes in ascending order,
// without repeats. The commands check this (RequireSelection) and throw std::invalid_argument for
// anything else, which is a fault of the caller, not of the user.
using SelectedRows = std::span<const size_t>;

void RequireSelection(const Document& doc, SelectedRows selected);

}  // namespace vq
